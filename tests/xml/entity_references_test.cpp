#include "xml/entity_references.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/whitespace.h"

namespace lorp {
namespace {

std::string expand(std::string_view text) {
    Result<std::string> r = expand_references(text, text);
    return r.ok() ? r.value() : "!" + display(r.error());
}

struct Case {
    const char* text;
    const char* expected;  // the expansion, or "!" and the message
};

TEST(ExpandReferencesTest, ReplacesReferences) {
    const Case cases[] = {
        {"Fish &amp; Chips", "Fish & Chips"},
        {"&lt;&gt;&quot;&apos;", "<>\"'"},
        {"&#65;&#x41;&#X41;&#+65;&#x+41;&#0065;", "AAAAAA"},
        {"&#xe9;&#x20AC;&#x1F600;", "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80"},
        {"&#1114111;", "\xF4\x8F\xBF\xBF"},
        {"&amp;lt;", "&lt;"},
        {"plain", "plain"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(expand(c.text), c.expected) << c.text;
    }
    EXPECT_EQ(expand("a&#0;b"), std::string("a\0b", 3));  // U+0000 is a scalar value
}

TEST(ExpandReferencesTest, BadReferencesFailWithTheirMessage) {
    const std::string huge = "&#" + std::string(5000, '9') + ";";
    const Case cases[] = {
        {"&#-65;", "Invalid decimal character reference: #-65"},
        {"&#;", "Invalid decimal character reference: #"},
        {"&#+;", "Invalid decimal character reference: #+"},
        {"&#++65;", "Invalid decimal character reference: #++65"},
        {"&#6 5;", "Invalid decimal character reference: #6 5"},
        {"&#55296;", "Invalid decimal character reference: #55296"},
        {"&#4294967361;", "Invalid decimal character reference: #4294967361"},
        {"&#x110000;", "Invalid hexadecimal character reference: #x110000"},
        {"&#xD800;", "Invalid hexadecimal character reference: #xD800"},
        {"&#x;", "Invalid hexadecimal character reference: #x"},
        {"&#X;", "Invalid hexadecimal character reference: #X"},
        {"&#x+;", "Invalid hexadecimal character reference: #x+"},
        {"&#xG1;", "Invalid hexadecimal character reference: #xG1"},
        {"&#xFFFFFFFF41;", "Invalid hexadecimal character reference: #xFFFFFFFF41"},
        {"&nbsp;", "Unknown entity: &nbsp;"},
        {"&;", "Unknown entity: &;"},
        {"&AMP;", "Unknown entity: &AMP;"},
        {"ok &amp", "Unterminated entity reference: &amp"},
        {"&", "Unterminated entity reference: &"},
    };
    for (const auto& c : cases) {
        std::string got = expand(c.text);
        ASSERT_EQ(got.rfind("!Entity resolution error at line 1, column ", 0), 0u) << c.text;
        EXPECT_EQ(got.substr(got.find(": ") + 2), c.expected) << c.text;
    }
    std::string got = expand(huge);
    EXPECT_NE(got.find("Invalid decimal character reference: #9999"), std::string::npos);
}

TEST(ExpandReferencesTest, FailureIsPlacedAtTheReferenceInTheDocument) {
    const std::string doc = "<a>\n  x &#\xC3\xA9; y</a>";
    const std::string_view run = std::string_view(doc).substr(3, 12);
    Result<std::string> r = expand_references(run, doc);
    ASSERT_FALSE(r.ok());
    EXPECT_EQ(display(r.error()),
              "Entity resolution error at line 2, column 5: Invalid decimal character reference: "
              "#\xC3\xA9");
}

TEST(ExpandReferencesTest, AppendKeepsWhatIsThere) {
    std::string out = "head:";
    ASSERT_TRUE(append_expanded(out, "&lt;b&gt;", "&lt;b&gt;").ok());
    EXPECT_EQ(out, "head:<b>");
}

TEST(WhitespaceTest, TrimRemovesUnicodeWhiteSpaceAtBothEndsOnly) {
    const Case cases[] = {
        {" \t\r\n\v\f", ""},
        {"  a  b  ", "a  b"},
        {"\xC2\xA0\xC2\x85x\xE3\x80\x80", "x"},  // U+00A0, U+0085, U+3000
        {"\xE2\x80\x80\xE2\x80\x8A"
         "a\xE2\x80\xA8\xE2\x80\xA9\xE2\x80\xAF\xE2\x81\x9F\xE1\x9A\x80",
         "a"},  // U+2000, U+200A ... U+2028, U+2029, U+202F, U+205F, U+1680
        {"\xE2\x80\x8B"
         "a\xE2\x80\x8B",
         "\xE2\x80\x8B"
         "a\xE2\x80\x8B"},  // U+200B is not White_Space
        {"\xC3\xA9", "\xC3\xA9"},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(trim_unicode_whitespace(c.text), c.expected) << c.text;
    }
    // Expansion comes first: a run of "&#32;" alone trims to nothing.
    EXPECT_EQ(trim_unicode_whitespace(expand(" &#32; ")), "");
}

TEST(WhitespaceTest, StripRemovesOnlyXmlWhiteSpace) {
    EXPECT_EQ(strip_xml_whitespace(" \t\r\nx y\n "), "x y");
    EXPECT_EQ(strip_xml_whitespace("\xC2\xA0x\xC2\xA0"), "\xC2\xA0x\xC2\xA0");
    EXPECT_EQ(strip_xml_whitespace("  "), "");
}

}  // namespace
}  // namespace lorp
