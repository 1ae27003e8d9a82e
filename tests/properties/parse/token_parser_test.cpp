#include "properties/parse/token_parser.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

TEST(TokenParser, FirstFittingReadingWins) {
    const struct {
        std::string_view token;
        const char* display;
    } cases[] = {
        {"inherit", "Inherit"},
        {"auto", "Auto"},
        {"none", "None"},
        {"Auto", "String(\"Auto\")"},
        {"proportional-column-width(2)", "Number(2.0)"},
        {"proportional-column-width( 1.5 )", "Number(1.5)"},
        {"proportional-column-width()", "String(\"proportional-column-width()\")"},
        {"proportional-column-width(x)", "String(\"proportional-column-width(x)\")"},
        {"label-end()", "String(\"label-end()\")"},
        {"body-start()+2pt", "String(\"body-start()+2pt\")"},
        {"50%", "Percentage(Percentage(50%))"},
        {"-10%", "Percentage(Percentage(-10%))"},
        {"%", "String(\"%\")"},
        {"1.5em", "Percentage(Percentage(150%))"},
        {"12pt", "Length(Length(12pt))"},
        {"2cm", "Length(Length(56.693pt))"},
        {"16px", "Length(Length(12pt))"},
        {"2ex", "Length(Length(12pt))"},
        {"12PT", "String(\"12PT\")"},
        {"1.2.3pt", "String(\"1.2.3pt\")"},
        {"pt", "String(\"pt\")"},
        {"linear-gradient(red,blue)",
         "Gradient(Linear { start_point: Point(50pt, 0pt), end_point: Point(50pt, 100pt), "
         "color_stops: [ColorStop { offset: 0.0, color: Color(#FF0000) }, ColorStop { offset: "
         "1.0, color: Color(#0000FF) }] })"},
        {"linear-gradient(red,notacolour)", "String(\"linear-gradient(red,notacolour)\")"},
        {"#ff0000", "Color(Color(#FF0000))"},
        {"Red", "Color(Color(#FF0000))"},
        {"#abc", "String(\"#abc\")"},
        {"3", "Integer(3)"},
        {"-5", "Integer(-5)"},
        {"+7", "Integer(7)"},
        {"2147483647", "Integer(2147483647)"},
        {"2147483648", "Number(2147483648.0)"},
        {"99999999999", "Number(99999999999.0)"},
        {"3.0", "Number(3.0)"},
        {"1e3", "Number(1000.0)"},
        {"1e400", "Number(inf)"},
        {"inf", "String(\"inf\")"},
        {"NaN", "String(\"NaN\")"},
        {"calc(10pt+5%)", "Expression(Add(Literal(Length(10pt)), Percentage(Percentage(5%))))"},
        {"calc(10pt + 5%)", "Expression(Add(Literal(Length(10pt)), Percentage(Percentage(5%))))"},
        {"calc(10pt + )", "String(\"calc(10pt + )\")"},
        {"calc(", "String(\"calc(\")"},
        {"bold", "String(\"bold\")"},
        {"url(bg.png)", "String(\"url(bg.png)\")"},
        {"", "String(\"\")"},
        {"\xff\xfe", "String(\"\xff\xfe\")"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(display(parse_token(c.token)), c.display) << c.token;
    }
}

TEST(TokenParser, HugeTokensBecomeStrings) {
    std::string calc = "calc(" + std::string(1 << 20, '(') + "1pt" + ")";
    EXPECT_EQ(parse_token(calc).kind(), ValueKind::String);
    std::string digits(1 << 20, '7');
    EXPECT_EQ(parse_token(digits).kind(), ValueKind::Number);
    EXPECT_EQ(
        parse_token(digits + "pt"),
        PropertyValue::length(Length::from_millipoints(std::numeric_limits<std::int32_t>::max())));
}

}  // namespace
}  // namespace lorp
