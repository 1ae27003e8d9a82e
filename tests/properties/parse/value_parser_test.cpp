#include "properties/parse/value_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

TEST(ValueParser, WholeValueKeywordsListsAndFontSizeKeywords) {
    const struct {
        PropertyId id;
        std::string_view text;
        const char* display;
    } cases[] = {
        {PropertyId::Color, "auto", "Auto"},
        {PropertyId::Color, "none", "None"},
        {PropertyId::Color, "inherit", "Inherit"},
        {PropertyId::Color, "from-parent()", "Inherit"},
        {PropertyId::Color, "from-nearest-specified-value()", "Inherit"},
        {PropertyId::Color, " inherit ", "Inherit"},  // trimmed, then read as a token
        {PropertyId::FontSize, "large", "RelativeFontSize(Large)"},
        {PropertyId::FontSize, "xx-small", "RelativeFontSize(XxSmall)"},
        {PropertyId::FontSize, "larger", "RelativeFontSize(Larger)"},
        {PropertyId::FontSize, " large", "String(\"large\")"},
        {PropertyId::FontSize, "Large", "String(\"Large\")"},
        {PropertyId::FontWeight, "large", "String(\"large\")"},
        {PropertyId::MarginLeft, "2cm", "Length(Length(56.693pt))"},
        {PropertyId::MarginLeft, " \t2cm\n", "Length(Length(56.693pt))"},
        {PropertyId::BorderTop, "1pt solid", "List([Length(Length(1pt)), String(\"solid\")])"},
        {PropertyId::FontFamily, "Times, serif", "List([String(\"Times,\"), String(\"serif\")])"},
        {PropertyId::FontFamily, "Helvetica", "String(\"Helvetica\")"},
        {PropertyId::Width, "50 %", "List([Integer(50), String(\"%\")])"},
        {PropertyId::Width, "auto auto", "List([Auto, Auto])"},
        {PropertyId::Width, "1pt\xc2\xa0\xe3\x80\x80 2pt",
         "List([Length(Length(1pt)), Length(Length(2pt))])"},
        {PropertyId::Width, "", "String(\"\")"},
        {PropertyId::Width, "   ", "String(\"\")"},
        {PropertyId::Width, "calc(10pt + 5%)",
         "Expression(Add(Literal(Length(10pt)), Percentage(Percentage(5%))))"},
        {PropertyId::Width, " calc( (1pt + 2pt) * 2 ) ",
         "Expression(Mul(Add(Literal(Length(1pt)), Literal(Length(2pt))), 2.0))"},
        {PropertyId::Width, "calc(10pt + )", "String(\"calc(10pt + )\")"},
        {PropertyId::Width, "calc(1pt) 2pt",
         "List([Expression(Literal(Length(1pt))), Length(Length(2pt))])"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(display(parse_value(c.id, c.text)), c.display) << c.text;
    }
}

TEST(ValueParser, MegabyteValuesStayLinear) {
    std::string text;
    for (int i = 0; i < 200000; ++i) {
        text += "1pt ";
    }
    PropertyValue value = parse_value(PropertyId::Width, text);
    ASSERT_NE(value.list(), nullptr);
    EXPECT_EQ(value.list()->size(), 200000u);
}

}  // namespace
}  // namespace lorp
