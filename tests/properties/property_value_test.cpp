#include "properties/property_value.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lorp {
namespace {

Expression calc(std::string_view text) {
    Result<Expression> parsed = parse_calc(text);
    EXPECT_TRUE(parsed.ok()) << text;
    return parsed.ok() ? std::move(parsed).value() : Expression{};
}

Gradient gradient(std::string_view text) {
    std::optional<Gradient> parsed = parse_gradient(text);
    EXPECT_TRUE(parsed.has_value()) << text;
    return parsed.value_or(Gradient{});
}

TEST(PropertyValue, DisplaysEveryKind) {
    struct Case {
        PropertyValue value;
        std::string expected;
    };
    const Case cases[] = {
        {PropertyValue::length(Length::from_millipoints(12000)), "Length(Length(12pt))"},
        {PropertyValue::length(Length::from_millipoints(-250)), "Length(Length(-0.25pt))"},
        {PropertyValue::color(Color{255, 0, 0, 255}), "Color(Color(#FF0000))"},
        {PropertyValue::color(Color{0, 0, 255, 128}), "Color(Color(#0000FF80))"},
        {PropertyValue::gradient(gradient("linear-gradient(red, blue)")),
         "Gradient(Linear { start_point: Point(50pt, 0pt), end_point: Point(50pt, 100pt), "
         "color_stops: [ColorStop { offset: 0.0, color: Color(#FF0000) }, ColorStop { offset: "
         "1.0, color: Color(#0000FF) }] })"},
        {PropertyValue::gradient(gradient("radial-gradient(circle, yellow)")),
         "Gradient(Radial { center: Point(50pt, 50pt), radius: 0.5, color_stops: [ColorStop { "
         "offset: 0.5, color: Color(#FFFF00) }] })"},
        {PropertyValue::enumeration(9), "Enum(9)"},
        {PropertyValue::string("text"), "String(\"text\")"},
        {PropertyValue::string(""), "String(\"\")"},
        {PropertyValue::string("a\"b\\c\td\re\nf\x01g\x7f"),
         "String(\"a\\\"b\\\\c\\td\\re\\nf\\u{1}g\\u{7f}\")"},
        {PropertyValue::string("caf\xc3\xa9"), "String(\"caf\xc3\xa9\")"},
        {PropertyValue::percentage(0.5), "Percentage(Percentage(50%))"},
        {PropertyValue::percentage(-0.1), "Percentage(Percentage(-10%))"},
        {PropertyValue::integer(3), "Integer(3)"},
        {PropertyValue::integer(-2147483647 - 1), "Integer(-2147483648)"},
        {PropertyValue::number(2.0), "Number(2.0)"},
        {PropertyValue::number(1.5), "Number(1.5)"},
        {PropertyValue::number(-0.25), "Number(-0.25)"},
        {PropertyValue::number(99999999999.0), "Number(99999999999.0)"},
        {PropertyValue::number(1e16), "Number(1e16)"},
        {PropertyValue::number(0.00001), "Number(1e-5)"},
        {PropertyValue::boolean(true), "Boolean(true)"},
        {PropertyValue::boolean(false), "Boolean(false)"},
        {PropertyValue::list({PropertyValue::length(Length::from_millipoints(1000)),
                              PropertyValue::string("solid")}),
         "List([Length(Length(1pt)), String(\"solid\")])"},
        {PropertyValue::list({}), "List([])"},
        {PropertyValue::pair(PropertyValue::integer(1), PropertyValue::auto_value()),
         "Pair(Integer(1), Auto)"},
        {PropertyValue::relative_font_size(RelativeFontSize::Larger), "RelativeFontSize(Larger)"},
        {PropertyValue::relative_font_size(RelativeFontSize::XxSmall), "RelativeFontSize(XxSmall)"},
        {PropertyValue::expression(calc("calc(10pt + 5pt * 2)")),
         "Expression(Add(Literal(Length(10pt)), Mul(Literal(Length(5pt)), 2.0)))"},
        {PropertyValue::auto_value(), "Auto"},
        {PropertyValue::none(), "None"},
        {PropertyValue::inherit(), "Inherit"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display(c.value), c.expected);
    }
}

TEST(PropertyValue, AccessorsAnswerOnlyForTheirOwnKind) {
    PropertyValue percentage = PropertyValue::percentage(0.5);
    EXPECT_EQ(percentage.kind(), ValueKind::Percentage);
    ASSERT_NE(percentage.percentage(), nullptr);
    EXPECT_EQ(*percentage.percentage(), 0.5);
    EXPECT_EQ(percentage.number(), nullptr);  // same payload type, other kind
    EXPECT_EQ(percentage.length(), nullptr);

    PropertyValue pair = PropertyValue::pair(PropertyValue::integer(1), PropertyValue::none());
    ASSERT_NE(pair.pair(), nullptr);
    EXPECT_EQ(*pair.pair()->first.integer(), 1);
    EXPECT_TRUE(pair.pair()->second.is_none());

    EXPECT_EQ(PropertyValue().kind(), ValueKind::Auto);
    EXPECT_NE(PropertyValue::percentage(0.5), PropertyValue::number(0.5));
    EXPECT_NE(PropertyValue::string("auto"), PropertyValue::auto_value());
}

TEST(PropertyValue, CopiesShareAnImmutablePayloadThatOutlivesTheOriginal) {
    PropertyValue original = PropertyValue::pair(
        PropertyValue::list({PropertyValue::string("Times,"), PropertyValue::string("serif")}),
        PropertyValue::gradient(gradient("linear-gradient(90deg, red, white, blue)")));
    const std::string shown = display(original);
    PropertyValue copy = original;
    EXPECT_EQ(copy, original);
    EXPECT_EQ(copy.pair(), original.pair());  // a copy shares, it does not duplicate

    PropertyValue assigned = PropertyValue::integer(0);
    assigned = original;
    const PropertyValue& alias = assigned;
    assigned = alias;  // self-assignment keeps the payload
    original = PropertyValue::none();
    EXPECT_EQ(display(assigned), shown);
    copy = PropertyValue::string("replaced");
    EXPECT_EQ(display(assigned), shown);

    PropertyValue moved = std::move(assigned);
    EXPECT_TRUE(assigned.is_auto());
    EXPECT_EQ(display(moved), shown);

    // Equal content in separate boxes still compares equal.
    EXPECT_EQ(PropertyValue::string("solid"), PropertyValue::string("solid"));
    EXPECT_NE(PropertyValue::list({PropertyValue::string("a")}),
              PropertyValue::list({PropertyValue::string("b")}));
    EXPECT_EQ(sizeof(PropertyValue), 16u);
}

}  // namespace
}  // namespace lorp
