#include "xml/attribute_list.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/attribute_scanner.h"
#include "xml/namespace_table.h"
#include "xml/xml_reader.h"

namespace lorp {
namespace {

// The decoded list of the first tag of `document` as name=value|..., or the
// failure message.
std::string decoded(std::string_view document) {
    XmlReader reader(document);
    XmlItem tag = reader.next().value();
    AttributeList list;
    Status status = list.decode(tag, document);
    if (!status) {
        return "!" + display(status.error());
    }
    std::string out;
    for (const XmlAttribute& a : list.items()) {
        out += std::string(a.name) + "=" + std::string(a.value) + "|";
    }
    return out;
}

struct Case {
    const char* document;
    const char* expected;
};

TEST(AttributeListTest, DecodesValuesInDocumentOrder) {
    const Case cases[] = {
        {"<a/>", ""},
        {"<a b='1' c=\"2\"/>", "b=1|c=2|"},
        {"<a\n b = '1'\tc\n=\n\"x y\" />", "b=1|c=x y|"},
        {"<a b='&lt;&amp;&gt;&quot;&apos;' c='&#65;&#x42;' d='&#x+43;'/>", "b=<&>\"'|c=AB|d=C|"},
        {"<a b=' \t\nkeep  spaces\n'/>", "b= \t\nkeep  spaces\n|"},
        {"<a b='\"' c=\"'\"/>", "b=\"|c='|"},
        {"<a xmlns='u' xmlns:fo='v' xmlnsfoo='w' id='x'/>", "id=x|"},
        {"<a id='1' id='2'/>", "id=1|id=2|"},
        {"<a xml:lang='en' fo:font-size='1pt'/>", "xml:lang=en|fo:font-size=1pt|"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(decoded(c.document), c.expected) << c.document;
    }
}

TEST(AttributeListTest, MalformedListsAndValuesFail) {
    const Case cases[] = {
        {"<a b/>", "Attribute parsing error: attribute b has no value"},
        {"<a b=1/>", "Attribute parsing error: value of attribute b is not quoted"},
        {"<a b='1'c='2'/>", "Attribute parsing error: missing whitespace before attribute c"},
        {"<a =''/>", "Attribute parsing error: invalid attribute name starting with '='"},
        {"<a b='1' / >", "Attribute parsing error: invalid attribute name starting with '/'"},
        {"<a b='&nbsp;'/>", "Attribute value decode error: unknown entity &nbsp; in attribute b"},
        {"<a b='&#xD800;'/>",
         "Attribute value decode error: invalid character reference &#xD800; in attribute b"},
        {"<a b='x & y'/>",
         "Attribute value decode error: unterminated reference & y in attribute b"},
        {"<a b='&a&b;'/>",
         "Attribute value decode error: unterminated reference &a in attribute b"},
        {"<a b='1<2'/>", "Attribute value decode error: '<' in value of attribute b"},
    };
    for (const auto& c : cases) {
        std::string got = decoded(c.document);
        ASSERT_EQ(got.rfind("!XML parsing error at line 1, column ", 0), 0u) << c.document << got;
        EXPECT_EQ(got.substr(got.find(": ") + 2), c.expected) << c.document;
    }
    // The place is that of the attribute, in characters.
    EXPECT_EQ(decoded("<\xC3\xA9\n  b='&x;'/>"),
              "!XML parsing error at line 2, column 3: Attribute value decode error: unknown "
              "entity &x; in attribute b");
}

TEST(AttributeListTest, ValuesSurviveTheDecodingOfLaterOnes) {
    // Many referenced values in one tag: the storage of the first must not move.
    std::string doc = "<a";
    for (int i = 0; i < 200; ++i) {
        doc += " v" + std::to_string(i) + "='&#x" + std::to_string(41 + i % 9) + ";&amp;'";
    }
    doc += "/>";
    XmlReader reader(doc);
    XmlItem tag = reader.next().value();
    AttributeList list;
    ASSERT_TRUE(list.decode(tag, doc).ok());
    ASSERT_EQ(list.size(), 200u);
    EXPECT_EQ(list[0].value, "A&");
    EXPECT_EQ(list[199].value, "B&");
}

TEST(AttributeListTest, HugeValueIsAViewWithoutReferences) {
    std::string value(1 << 20, 'x');
    std::string doc = "<a k='" + value + "'/>";
    XmlReader reader(doc);
    XmlItem tag = reader.next().value();
    AttributeList list;
    ASSERT_TRUE(list.decode(tag, doc).ok());
    EXPECT_EQ(list[0].value.size(), value.size());
    EXPECT_EQ(list[0].value.data(), doc.data() + 6);
}

TEST(NamespaceTableTest, ResolvesThroughDeclarationsThatStayInForce) {
    const std::string doc =
        "<x:wrap xmlns:x='urn:x'>"
        "<fo:root xmlns:fo='http://www.w3.org/1999/XSL/Format'/>"
        "<fo:block/>"
        "<block/>"
        "<svg:svg xmlns:svg='http://www.w3.org/2000/svg'/>"
        "<p:q/>"
        "<plain xmlns='http://www.w3.org/1999/XSL/&#70;ormat'/>"
        "<plain/>"
        "<d xmlns='' xmlns:='&bad;'/>"
        "<plain/>"
        "</x:wrap>";
    XmlReader reader(doc);
    NamespaceTable table;
    std::string out;
    for (;;) {
        XmlItem item = reader.next().value();
        if (item.kind == XmlItemKind::EndOfDocument) {
            break;
        }
        if (item.kind != XmlItemKind::StartTag) {
            continue;
        }
        table.record_namespaces(item);
        ResolvedElement r = table.resolve_element(item.name);
        out += std::string(r.local_name) + (r.is_fo ? "+ " : "- ");
    }
    // fo:block is FO through a declaration on an earlier, closed element; the
    // default namespace set by one element stays set for the next, until an
    // empty declaration replaces it; a declaration that cannot be decoded is
    // skipped.
    EXPECT_EQ(out, "wrap- root+ block+ block- svg- q- plain+ plain+ d- plain- ");
    ASSERT_NE(table.lookup(""), nullptr);
    EXPECT_EQ(*table.lookup(""), "");
}

TEST(NamespaceTableTest, SplitsAtTheFirstColon) {
    NamespaceTable table;
    table.bind("a", std::string(kXslFoNamespace));
    ResolvedElement r = table.resolve_element("a:b:c");
    EXPECT_TRUE(r.is_fo);
    EXPECT_EQ(r.local_name, "b:c");
    EXPECT_FALSE(table.resolve_element("root").is_fo);
    EXPECT_FALSE(table.resolve_element(":root").is_fo);
}

TEST(NamespaceTableTest, MalformedForeignAttributesAreSkipped) {
    const std::string doc = "<f:e xmlns:f='http://www.w3.org/1999/XSL/Format' junk xmlns:g='u'/>";
    XmlReader reader(doc);
    XmlItem tag = reader.next().value();
    NamespaceTable table;
    table.record_namespaces(tag);
    EXPECT_TRUE(table.resolve_element(tag.name).is_fo);
    EXPECT_EQ(table.lookup("g"), nullptr);  // scanning stops at the malformed attribute
}

}  // namespace
}  // namespace lorp
