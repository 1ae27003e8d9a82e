#include "xml/xml_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/text_location.h"

namespace lorp {
namespace {

// The items of a document in a compact form: <raw tag> for a start tag, </name>
// for an end tag, [text] for a run, {cdata} for a CDATA section; or the failure
// message.
std::string transcript(std::string_view document) {
    XmlReader reader(document);
    std::string out;
    for (;;) {
        Result<XmlItem> item = reader.next();
        if (!item) {
            return out + "!" + display(item.error());
        }
        switch (item->kind) {
            case XmlItemKind::StartTag:
                out += "<" + std::string(item->raw_tag) + ">";
                break;
            case XmlItemKind::EndTag:
                out += "</" + std::string(item->name) + ">";
                break;
            case XmlItemKind::Text:
                out += "[" + std::string(item->text) + "]";
                break;
            case XmlItemKind::CData:
                out += "{" + std::string(item->text) + "}";
                break;
            case XmlItemKind::EndOfDocument:
                return out;
        }
    }
}

struct Case {
    const char* document;
    const char* expected;
};

TEST(XmlReaderTest, YieldsItemsInDocumentOrder) {
    const Case cases[] = {
        {"", ""},
        {"  \n\t ", ""},
        {"<!-- only a comment -->\n", ""},
        {"<a/>", "<a></a>"},
        {"<a b='1' c=\"x/\"/>", "<a b='1' c=\"x/\"></a>"},
        {"<fo:root xmlns:fo=\"u\">\n  <fo:block>Fish &amp; Chips</fo:block>\n</fo:root>",
         "<fo:root xmlns:fo=\"u\">[\n  ]<fo:block>[Fish &amp; Chips]</fo:block>[\n]</fo:root>"},
        {"<a>x</a  \n>", "<a>[x]</a>"},
        {"<a x='>'>t</a>", "<a x='>'>[t]</a>"},
        {"<a>1<!-- -- not checked -- -->2<?pi x?>3</a>", "<a>[1][2][3]</a>"},
        {"<a><![CDATA[<b>&amp;]]></a>", "<a>{<b>&amp;}</a>"},
        {"<a><![CDATA[]]></a>", "<a>{}</a>"},
        {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a/>", "<a></a>"},
        {"\xEF\xBB\xBF<a/>", "<a></a>"},
        {"<!DOCTYPE a [<!ENTITY nbsp \"&#160;\"> <!-- ] > --> <?p ]?>]>\n<a>&nbsp;</a>",
         "<a>[&nbsp;]</a>"},
        {"<!DOCTYPE a SYSTEM \"x>y.dtd\"><a/>", "<a></a>"},
        {"<a>&#65;&#x41;&lt;</a>", "<a>[&#65;&#x41;&lt;]</a>"},
        {"<a>x > y</a>", "<a>[x > y]</a>"},
        {"<a/><b/>", "<a></a><b></b>"},
        {"<a/>tail", "<a></a>[tail]"},
        {"<\xC3\xA9l\xC3\xA9ment>\xE2\x82\xAC</\xC3\xA9l\xC3\xA9ment>",
         "<\xC3\xA9l\xC3\xA9ment>[\xE2\x82\xAC]</\xC3\xA9l\xC3\xA9ment>"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(transcript(c.document), c.expected) << c.document;
    }
}

TEST(XmlReaderTest, MalformedInputFailsWithLocatedMessage) {
    const Case cases[] = {
        {"<a>", "unexpected end of input"},
        {"<a><b></b>", "unexpected end of input"},
        {"<a", "unexpected end of input in tag"},
        {"<a b='1", "unexpected end of input in tag"},
        {"<", "unexpected end of input in tag"},
        {"<a></a", "unexpected end of input in tag"},
        {"<a><!-- x", "unexpected end of input in comment"},
        {"<a><![CDATA[x", "unexpected end of input in CDATA section"},
        {"<a><!-", "unexpected end of input in markup"},
        {"<?xml version='1.0'", "unexpected end of input in processing instruction"},
        {"<!DOCTYPE a [ <!ENTITY x 'y'>", "unexpected end of input in document type declaration"},
        {"<a></b>", "expected </a>, found </b>"},
        {"<a><b></a>", "expected </b>, found </a>"},
        {"</a>", "unmatched end tag </a>"},
        {"<a/></a>", "unmatched end tag </a>"},
        {"<a></a b>", "malformed end tag </a>"},
        {"<a></>", "malformed end tag </>"},
        {"<a\"b\">", "malformed start tag <a>"},
        {"<a>1 < 2</a>", "'<' must start a tag name"},
        {"<a><1/></a>", "'<' must start a tag name"},
        {"<a b='1' <c/>", "unexpected '<' inside tag <a>"},
        {"<a><!ELEMENT a ANY></a>", "unknown markup after '<!'"},
        {"<a>Fish & Chips</a>", "'&' not closed by ';'"},
        {"<a>&amp</a>", "'&' not closed by ';'"},
        {"<a>&a&b;</a>", "'&' not closed by ';'"},
        {"<a>\xFF</a>", "invalid UTF-8 byte sequence"},
        {"<a>\xC3</a>", "invalid UTF-8 byte sequence"},
        {"<a>\xC0\xAF</a>", "invalid UTF-8 byte sequence"},
        {"<a>\xED\xA0\x80</a>", "invalid UTF-8 byte sequence"},
        {"<a>\xF4\x90\x80\x80</a>", "invalid UTF-8 byte sequence"},
    };
    for (const auto& c : cases) {
        std::string got = transcript(c.document);
        std::size_t bang = got.find("!XML parsing error at line ");
        ASSERT_NE(bang, std::string::npos) << c.document << " gave " << got;
        std::string description = got.substr(got.find(": XML parsing error: ") + 21);
        EXPECT_EQ(description, c.expected) << c.document;
    }
    std::string nul = std::string("<a>x") + '\0' + "</a>";
    EXPECT_EQ(transcript(nul),
              "!XML parsing error at line 1, column 5: XML parsing error: NUL character");
}

TEST(XmlReaderTest, FailureNamesLineAndColumnInCharacters) {
    const Case cases[] = {
        // Columns count characters, not bytes: "é" and "€" are one each.
        {"<a>\n\xC3\xA9\xE2\x82\xAC</b>",
         "XML parsing error at line 2, column 3: XML parsing error: expected </a>, found </b>"},
        {"<a>\r\n\r\n  </b>",
         "XML parsing error at line 3, column 3: XML parsing error: expected </a>, found </b>"},
        {"<a>\r\r&x",
         "XML parsing error at line 3, column 1: XML parsing error: '&' not closed by ';'"},
        {"\xEF\xBB\xBF</a>",
         "XML parsing error at line 1, column 1: XML parsing error: unmatched end tag </a>"},
        {"<a>\n<b>",
         "XML parsing error at line 2, column 4: XML parsing error: unexpected end of input"},
    };
    for (const auto& c : cases) {
        std::string got = transcript(c.document);
        EXPECT_EQ(got.substr(got.find('!') + 1), c.expected) << c.document;
    }
}

TEST(XmlReaderTest, ItemsPointIntoTheDocument) {
    std::string doc = "<r><b k='v'/>text</r>";
    XmlReader reader(doc);
    XmlItem items[6];
    for (auto& item : items) {
        item = reader.next().value();
    }
    EXPECT_EQ(items[1].kind, XmlItemKind::StartTag);
    EXPECT_EQ(items[1].name, "b");
    EXPECT_EQ(items[1].raw_tag, "b k='v'");
    EXPECT_EQ(items[1].raw_tag.data(), doc.data() + 4);
    EXPECT_EQ(items[1].offset, 3u);
    EXPECT_EQ(items[2].kind, XmlItemKind::EndTag);
    EXPECT_EQ(items[2].offset, 3u);
    EXPECT_EQ(items[3].text.data(), doc.data() + 13);
    EXPECT_EQ(items[3].offset, 13u);
    EXPECT_EQ(items[5].kind, XmlItemKind::EndOfDocument);
    EXPECT_EQ(items[5].offset, doc.size());
    // Past the end, and past a failure, the reader repeats itself.
    EXPECT_EQ(reader.next()->kind, XmlItemKind::EndOfDocument);
    XmlReader broken("</x>");
    std::string first = display(broken.next().error());
    EXPECT_EQ(display(broken.next().error()), first);
}

TEST(XmlReaderTest, DeepNestingIsBoundedOnlyByMemory) {
    constexpr int kDepth = 100000;
    std::string doc;
    for (int i = 0; i < kDepth; ++i) {
        doc += "<e>";
    }
    std::string closed = doc;
    for (int i = 0; i < kDepth; ++i) {
        closed += "</e>";
    }
    XmlReader reader(closed);
    std::size_t items = 0;
    std::size_t max_depth = 0;
    for (;;) {
        Result<XmlItem> item = reader.next();
        ASSERT_TRUE(item.ok());
        if (item->kind == XmlItemKind::EndOfDocument) {
            break;
        }
        ++items;
        max_depth = std::max(max_depth, reader.depth());
    }
    EXPECT_EQ(items, 2u * kDepth);
    EXPECT_EQ(max_depth, std::size_t{kDepth});
    // The same document left open is a failure at its end, not a crash.
    EXPECT_NE(transcript(doc).find("unexpected end of input"), std::string::npos);
}

TEST(XmlReaderTest, HugeAttributeValueIsOneTag) {
    std::string value(1 << 20, 'v');
    value[500000] = '>';
    std::string doc = "<a k=\"" + value + "\">x</a>";
    XmlReader reader(doc);
    XmlItem start = reader.next().value();
    EXPECT_EQ(start.raw_tag.size(), value.size() + 6);
    EXPECT_EQ(reader.next()->text, "x");
    // Unclosed, it runs to the end of input.
    EXPECT_NE(transcript(doc.substr(0, doc.size() - 8)).find("unexpected end of input in tag"),
              std::string::npos);
}

TEST(XmlReaderTest, EveryTruncationFailsCleanly) {
    // Cutting a well-formed document anywhere inside its root must give an
    // error, never a crash or a read past the end (run under the sanitizers).
    const std::string doc =
        "<?xml version='1.0'?><!DOCTYPE r [<!ENTITY e 'x'>]><r a=\"1\" b='&amp;'>"
        "t&#65;<!-- c --><![CDATA[d]]><s/><?p q?></r>";
    for (std::size_t n = doc.find("<r") + 1; n < doc.size(); ++n) {
        std::string cut = doc.substr(0, n);  // its own buffer, so reads past n are caught
        EXPECT_NE(transcript(cut).find("!XML parsing error at line 1"), std::string::npos) << cut;
    }
    EXPECT_EQ(transcript(doc).find('!'), std::string::npos);
}

TEST(TextLocationTest, LineAndColumnOfOffsets) {
    const std::string_view doc = "ab\ncd\r\nef\rg\xC3\xA9h";
    struct {
        std::size_t offset;
        Location expected;
    } cases[] = {
        {0, {1, 1}},  {2, {1, 3}},  {3, {2, 1}},  {7, {3, 1}},
        {10, {4, 1}}, {13, {4, 3}}, {99, {4, 4}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(location_at(doc, c.offset), c.expected) << c.offset;
    }
}

}  // namespace
}  // namespace lorp
