#include "fo/builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/property_list.h"

namespace lorp {
namespace {

constexpr const char* kFo = "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"";

// "<fo:root xmlns:fo=...>" + body + "</fo:root>".
std::string in_root(std::string_view body) {
    return std::string("<fo:root ") + kFo + ">" + std::string(body) + "</fo:root>";
}

// The tree in pre-order: element names with their children in parentheses,
// texts quoted, roots separated by spaces.
std::string shape(const FoTree& tree) {
    std::string out;
    struct Step {
        NodeId node;
        bool close;
    };
    std::vector<Step> stack;
    for (NodeId n = tree.node_count(); n-- > 0;) {
        if (!tree.node(n).parent()) {
            stack.push_back({n, false});
        }
    }
    while (!stack.empty()) {
        const Step step = stack.back();
        stack.pop_back();
        if (step.close) {
            out += ')';
            continue;
        }
        if (!out.empty() && out.back() != '(') {
            out += ' ';
        }
        const FoNode& node = tree.node(step.node);
        if (const TextNode* text = node.text()) {
            out += '\'';
            out += text->text;
            out += '\'';
            continue;
        }
        out += element_name(node.element()->kind());
        const std::vector<NodeId> children = tree.children(step.node).to_vector();
        if (children.empty()) {
            continue;
        }
        out += '(';
        stack.push_back({step.node, true});
        for (auto it = children.rbegin(); it != children.rend(); ++it) {
            stack.push_back({*it, false});
        }
    }
    return out;
}

std::string shape_of(std::string_view document) {
    Result<FoTree> tree = build_fo_tree(document);
    if (!tree) {
        return "error: " + display(tree.error());
    }
    return shape(tree.value());
}

std::string error_of(std::string_view document) {
    Result<FoTree> tree = build_fo_tree(document);
    return tree ? std::string("no error") : display(tree.error());
}

TEST(FoTreeBuilder, BuildsElementsAndTextInDocumentOrder) {
    struct Case {
        std::string document;
        std::string shape;
    };
    const Case cases[] = {
        {in_root(""), "root"},
        {in_root("<fo:block>Fish &amp; Chips</fo:block>"), "root(block('Fish & Chips'))"},
        {in_root("<fo:block> a <fo:inline>b</fo:inline> c <fo:inline/>d</fo:block>"),
         "root(block('a' inline('b') 'c' inline 'd'))"},
        // Text where the kind takes none is dropped; white-space-only runs produce nothing.
        {in_root("<fo:flow flow-name='b'>lost<fo:table-cell>lost</fo:table-cell>\n  \t"
                 "<fo:block>&#32;</fo:block></fo:flow>"),
         "root(flow(table-cell block))"},
        // Trimming is of Unicode white space, after expansion, at both ends only.
        {in_root("<fo:block>&#xA0; x\xC2\xA0 y \xE3\x80\x80</fo:block>"),
         "root(block('x\xC2\xA0 y'))"},
        // CDATA is kept verbatim: neither expanded nor trimmed; an empty one makes nothing.
        {in_root("<fo:block><![CDATA[ &amp; <b> ]]><![CDATA[]]></fo:block>"),
         "root(block(' &amp; <b> '))"},
        // A foreign root around fo:root, and foreign elements inside a block, make no
        // node; the block stays current for what follows them.
        {std::string("<doc xmlns:fo='http://www.w3.org/1999/XSL/Format'><fo:root>"
                     "<fo:block>a<x:b xmlns:x='urn:x'>b<fo:inline>c</fo:inline></x:b>d"
                     "<fo:inline>e</fo:inline></fo:block></fo:root></doc>"),
         "root(block('a' 'b' inline('c') 'd' inline('e')))"},
        // Nesting is not checked here.
        {in_root("<fo:block><fo:table-cell/></fo:block>"), "root(block(table-cell))"},
        // XSL-FO elements outside every other one are roots of their own.
        {std::string("<d xmlns:fo='http://www.w3.org/1999/XSL/Format'><fo:block>a</fo:block>"
                     "<fo:block>b</fo:block></d>"),
         "block('a') block('b')"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shape_of(c.document), c.shape) << c.document;
    }
}

TEST(FoTreeBuilder, ElementsAreResolvedThroughTheDeclaredNamespaces) {
    const std::pair<std::string, std::string> cases[] = {
        // A declaration stays in force after its element has closed.
        {"<d><a xmlns:f='http://www.w3.org/1999/XSL/Format'/><f:root/></d>", "root"},
        {"<root xmlns='http://www.w3.org/1999/XSL/Format'><block>x</block></root>",
         "root(block('x'))"},
        {"<xsl:root xmlns:xsl='http://www.w3.org/1999/XSL/Format'/>", "root"},
        // No default namespace, another URI, an undeclared prefix: all foreign, no error.
        {"<root><block>x</block></root>", ""},
        {"<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format/'/>", ""},
        {"<q:root/>", ""},
        // A later binding of the prefix replaces the earlier one.
        {"<d xmlns:fo='http://www.w3.org/1999/XSL/Format'><fo:root/>"
         "<e xmlns:fo='urn:other'/><fo:block/></d>",
         "root"},
    };
    for (const auto& [document, expected] : cases) {
        EXPECT_EQ(shape_of(document), expected) << document;
    }
}

TEST(FoTreeBuilder, LanguageComesFromTheFirstLangAttributeOfRoot) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {std::string("<fo:root ") + kFo + "/>", std::nullopt},
        {std::string("<fo:root ") + kFo + " xml:lang='de' xml-lang='fr'/>", "de"},
        {std::string("<fo:root xml-lang='fr' ") + kFo + " xml:lang='de'/>", "fr"},
        {std::string("<fo:root ") + kFo + " xml:lang=''/>", ""},
        // Only fo:root sets it; a later root replaces it.
        {std::string("<d ") + kFo + "><fo:root xml:lang='en'><fo:block xml:lang='it'/></fo:root>" +
             "<fo:root xml:lang='nl'/></d>",
         "nl"},
    };
    for (const auto& [document, language] : cases) {
        Result<FoTree> tree = build_fo_tree(document);
        ASSERT_TRUE(tree) << display(tree.error());
        EXPECT_EQ(tree->language(), language) << document;
    }
}

TEST(FoTreeBuilder, IdsAreRegisteredForXslFoElementsOnly) {
    Result<FoTree> tree =
        build_fo_tree(in_root("<x id='a'/><fo:block id='a'>t</fo:block><fo:block id='A' ID='b'/>"));
    ASSERT_TRUE(tree) << display(tree.error());
    EXPECT_EQ(tree->lookup_id("a"), NodeId{1});
    EXPECT_EQ(tree->lookup_id("A"), NodeId{3});
    EXPECT_FALSE(tree->lookup_id("b"));
    EXPECT_EQ(tree->id_of(1), "a");
    EXPECT_FALSE(tree->id_of(2));  // the text node

    EXPECT_EQ(error_of(in_root("<fo:block id='a'/><fo:block><fo:inline id='a'/></fo:block>")),
              "Duplicate ID 'a': already used by node 1 (attempted reuse at node 3)");
}

TEST(FoTreeBuilder, ForeignMarkupIsCopiedIntoInstreamForeignObject) {
    const std::string svg = "xmlns:svg='http://www.w3.org/2000/svg'";
    struct Case {
        std::string content;  // inside <fo:instream-foreign-object>
        std::string markup;
    };
    const Case cases[] = {
        {"dropped <svg:svg " + svg + " width=\"10\">\n  <svg:circle r='5'/>\n</svg:svg> dropped",
         "<svg:svg " + svg + " width=\"10\"><svg:circle r='5'></svg:circle></svg:svg>"},
        // Runs are stripped of XML white space, then expanded; what could break the
        // markup is written as a reference again.
        {"<t>\n a &lt; b &amp;&amp; c &#62; \xC2\xA0</t>",
         "<t>a &lt; b &amp;&amp; c &gt; \xC2\xA0</t>"},
        {"<t> x > y </t>", "<t>x > y</t>"},
        // XSL-FO elements inside foreign content are copied and make no node;
        // comments, processing instructions and CDATA are dropped.
        {"<g><fo:block id='z'>in</fo:block><!-- c --><?pi x?><![CDATA[cd]]></g>",
         "<g><fo:block id='z'>in</fo:block></g>"},
    };
    for (const Case& c : cases) {
        const std::string document =
            in_root("<fo:block><fo:instream-foreign-object content-width='5pt'>" + c.content +
                    "</fo:instream-foreign-object>after</fo:block>");
        Result<FoTree> tree = build_fo_tree(document);
        ASSERT_TRUE(tree) << display(tree.error());
        EXPECT_EQ(shape(*tree), "root(block(instream-foreign-object 'after'))");
        EXPECT_FALSE(tree->lookup_id("z"));
        const auto* ifo = tree->node(2).element()->attributes<InstreamForeignObjectAttributes>();
        ASSERT_NE(ifo, nullptr);
        EXPECT_EQ(ifo->captured_markup, c.markup) << c.content;
        EXPECT_EQ(ifo->content_width, "5pt");
    }
}

TEST(FoTreeBuilder, AnXslFoElementDirectlyInsideTheObjectEndsTheCopy) {
    Result<FoTree> tree = build_fo_tree(
        in_root("<fo:instream-foreign-object><a/><fo:block>t<b/></fo:block><c/>"
                "</fo:instream-foreign-object>"
                "<fo:instream-foreign-object><d xmlns:g='http://www.w3.org/1999/XSL/Format'/>"
                "</fo:instream-foreign-object><g:block/>"));
    ASSERT_TRUE(tree) << display(tree.error());
    // Namespace declarations inside copied markup count for the rest of the document.
    EXPECT_EQ(shape(*tree),
              "root(instream-foreign-object(block('t')) instream-foreign-object block)");
    auto markup = [&](NodeId n) {
        return tree->node(n)
            .element()
            ->attributes<InstreamForeignObjectAttributes>()
            ->captured_markup;
    };
    EXPECT_EQ(markup(1), "<a></a><b></b>");
    EXPECT_EQ(markup(4), "<d xmlns:g='http://www.w3.org/1999/XSL/Format'></d>");
}

TEST(FoTreeBuilder, PropertyListsLinkToTheEnclosingElementsList) {
    Result<FoTree> tree = build_fo_tree(
        in_root("<fo:page-sequence master-reference='m'><x:w xmlns:x='urn:x'>"
                "<fo:block color='red'><fo:inline/></fo:block></x:w></fo:page-sequence>"
                "<fo:page-sequence-master><fo:block/></fo:page-sequence-master>"));
    ASSERT_TRUE(tree) << display(tree.error());
    ASSERT_EQ(shape(*tree), "root(page-sequence(block(inline)) page-sequence-master(block))");
    auto list = [&](NodeId n) { return tree->node(n).element()->properties(); };
    EXPECT_EQ(list(0), nullptr);  // fo:root keeps none
    ASSERT_NE(list(1), nullptr);
    EXPECT_EQ(list(1)->parent(), nullptr);
    EXPECT_EQ(list(2)->parent(), list(1));  // across the foreign element
    EXPECT_EQ(list(3)->parent(), list(2));
    const Color* inherited = list(3)->value(PropertyId::Color).color();
    ASSERT_NE(inherited, nullptr);
    EXPECT_EQ(*inherited, (Color{255, 0, 0, 255}));
    EXPECT_EQ(list(4), nullptr);
    ASSERT_NE(list(5), nullptr);
    EXPECT_EQ(list(5)->parent(), nullptr);
}

TEST(FoTreeBuilder, FailuresEndTheParseWithTheirMessage) {
    struct Case {
        std::string document;
        std::string message;
    };
    const Case cases[] = {
        {in_root("<fo:block><fo:foo/></fo:block>"), "Invalid element: Unknown FO element: foo"},
        {in_root("<fo:page-sequence-master><fo:single-page-master-reference master-reference='a'/>"
                 "</fo:page-sequence-master>"),
         "Invalid element: Unknown FO element: single-page-master-reference"},
        {in_root("<fo:flow/>"), "Missing required attribute flow-name on element flow"},
        {in_root("<fo:page-number-citation/>"),
         "Missing required attribute ref-id on element page-number-citation"},
        // Within one start tag: attribute list, then factory, then id registration.
        {in_root("<fo:block id='a'/><fo:flow id='a'/>"),
         "Missing required attribute flow-name on element flow"},
        {in_root("<fo:block id='a'/><fo:foo id='a'/>"), "Invalid element: Unknown FO element: foo"},
        {in_root("<fo:foo id='&bad;'/>"),
         "XML parsing error at line 1, column 63: Attribute value decode error: unknown entity "
         "&bad; in attribute id"},
        {in_root("<fo:block>a &nbsp; b</fo:block>"),
         "Entity resolution error at line 1, column 67: Unknown entity: &nbsp;"},
        {in_root("<fo:flow flow-name='x'>&#xD800;</fo:flow>"),
         "Entity resolution error at line 1, column 78: Invalid hexadecimal character reference: "
         "#xD800"},
        {in_root("<fo:instream-foreign-object><t>&#-1;</t></fo:instream-foreign-object>"),
         "Entity resolution error at line 1, column 86: Invalid decimal character reference: #-1"},
        {in_root("<fo:block></fo:inline>"),
         "XML parsing error at line 1, column 65: XML parsing error: expected </fo:block>, "
         "found </fo:inline>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(error_of(c.document), c.message) << c.document;
    }
    // A bad property value is reported before the element itself is looked at.
    for (const char* element : {"foo", "flow"}) {
        const std::string message =
            error_of(in_root(std::string("<fo:") + element + " column-count='0'/>"));
        EXPECT_EQ(message.rfind("Property validation error for column-count: ", 0), 0u) << message;
    }
    // Attributes of foreign elements are only looked at for namespace declarations.
    EXPECT_EQ(error_of(in_root("<x a='&bad;'/>")), "no error");
}

TEST(FoTreeBuilder, EveryTruncationOfADocumentIsAnXmlError) {
    const std::string document = in_root(
        "<fo:flow flow-name='b'><fo:block id='x'>Fish &amp; Chips<![CDATA[c]]>"
        "<!-- note --><fo:inline/></fo:block></fo:flow>");
    ASSERT_EQ(error_of(document), "no error");
    for (std::size_t length = 1; length < document.size(); ++length) {
        const std::string message = error_of(std::string_view(document).substr(0, length));
        EXPECT_EQ(message.rfind("XML parsing error at line 1, column ", 0), 0u)
            << length << ": " << message;
    }
}

TEST(FoTreeBuilder, DeepNestingNeitherRecursesNorOverflows) {
    constexpr int kDepth = 100000;
    auto nest = [](std::string_view open, std::string_view close) {
        std::string body;
        body.reserve((open.size() + close.size()) * kDepth);
        for (int i = 0; i < kDepth; ++i)
            body += open;
        body += "x";
        for (int i = 0; i < kDepth; ++i)
            body += close;
        return body;
    };
    {
        Result<FoTree> tree = build_fo_tree(in_root(nest("<fo:block>", "</fo:block>")));
        ASSERT_TRUE(tree) << display(tree.error());
        EXPECT_EQ(tree->node_count(), std::size_t{kDepth} + 2);
        EXPECT_EQ(tree->node(kDepth + 1).parent(), NodeId{kDepth});
        const PropertyList* deepest = tree->node(kDepth).element()->properties();
        EXPECT_EQ(deepest->font_size(), Length::from_points(12));
    }
    {
        Result<FoTree> tree =
            build_fo_tree(in_root("<fo:block>" + nest("<a>", "</a>") + "</fo:block>"));
        ASSERT_TRUE(tree) << display(tree.error());
        EXPECT_EQ(shape(*tree), "root(block('x'))");
    }
    {
        Result<FoTree> tree =
            build_fo_tree(in_root("<fo:instream-foreign-object>" + nest("<a>", "</a>") +
                                  "</fo:instream-foreign-object>"));
        ASSERT_TRUE(tree) << display(tree.error());
        const auto* ifo = tree->node(1).element()->attributes<InstreamForeignObjectAttributes>();
        EXPECT_EQ(ifo->captured_markup.size(), std::size_t{7} * kDepth + 1);
    }
}

}  // namespace
}  // namespace lorp
