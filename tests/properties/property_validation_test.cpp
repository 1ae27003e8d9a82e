#include "properties/property_validation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/property_catalogue.h"

namespace lorp {
namespace {

PropertyValue pt(double points) {
    return PropertyValue::length(Length::from_points(points));
}
PropertyValue str(const char* text) {
    return PropertyValue::string(text);
}

// "" when the value passes, else the error's message.
std::string check(PropertyId id, PropertyValue value) {
    PropertyList list;
    list.set(id, std::move(value));
    Status status = validate_properties(list.slots());
    return status.ok() ? "" : display(status.error());
}

TEST(PropertyValidation, RangeRules) {
    struct Case {
        PropertyId id;
        PropertyValue value;
        std::string expected;
    };
    const std::string column_count = "Property validation error for column-count: ";
    const Case cases[] = {
        {PropertyId::ColumnCount, PropertyValue::integer(300),
         column_count + "Integer(300) - Value 300 is out of range (must be 1-255) Suggestion: "
                        "Column count must be between 1 and 255 columns"},
        {PropertyId::ColumnCount, PropertyValue::integer(0),
         column_count + "Integer(0) - Value 0 is out of range (must be 1-255) Suggestion: Column "
                        "count must be between 1 and 255 columns"},
        {PropertyId::ColumnCount, PropertyValue::integer(255), ""},
        {PropertyId::ColumnCount, PropertyValue::integer(1), ""},
        {PropertyId::ColumnCount, PropertyValue::number(3.5), ""},
        {PropertyId::ColumnCount, PropertyValue::number(255.5),
         column_count + "Number(255.5) - Value 255.5 is out of range (must be 1-255) Suggestion: "
                        "Column count must be between 1 and 255 columns"},
        {PropertyId::ColumnCount, pt(1.5), ""},  // a length counts in points
        {PropertyId::ColumnCount, str("two"),
         column_count + "String(\"two\") - Expected numeric value for range validation"},
        {PropertyId::ZIndex, PropertyValue::integer(-999999), ""},
        {PropertyId::ZIndex, PropertyValue::integer(1000000),
         "Property validation error for z-index: Integer(1000000) - Value 1000000 is out of range "
         "(must be -999999-999999) Suggestion: Z-index must be between -999999 and 999999"},
        {PropertyId::Orphans, PropertyValue::integer(1000),
         "Property validation error for orphans: Integer(1000) - Value 1000 is out of range (must "
         "be 1-999) Suggestion: Orphans must be between 1 and 999 lines at the bottom of a page"},
        {PropertyId::Widows, PropertyValue::integer(0),
         "Property validation error for widows: Integer(0) - Value 0 is out of range (must be "
         "1-999) Suggestion: Widows must be between 1 and 999 lines at the top of a page"},
        {PropertyId::Opacity, PropertyValue::number(1.5),
         "Property validation error for opacity: Number(1.5) - Value 1.5 is out of range (must be "
         "0-1) Suggestion: Use a value between 0.0 (fully transparent) and 1.0 (fully opaque)"},
        {PropertyId::Opacity, PropertyValue::percentage(0.5), ""},
        {PropertyId::Opacity, PropertyValue::percentage(1.2),
         "Property validation error for opacity: Percentage(Percentage(120%)) - Value 1.2 is out "
         "of range (must be 0-1) Suggestion: Use a value between 0.0 (fully transparent) and 1.0 "
         "(fully opaque)"},
        {PropertyId::Opacity, PropertyValue::integer(0), ""},
        {PropertyId::Opacity, PropertyValue::list({PropertyValue::number(0.5)}),
         "Property validation error for opacity: List([Number(0.5)]) - Expected numeric value for "
         "range validation"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(c.id, c.value), c.expected) << display(c.value);
    }
}

TEST(PropertyValidation, AllowedKeywordRules) {
    const std::string text_align = "Use one of: start, end, center, justify, left, right";
    struct Case {
        std::string_view property;
        PropertyValue value;
        std::string expected;
    };
    const Case cases[] = {
        {"text-align", str("center"), ""},
        {"text-align", str("Center"),
         "Property validation error for text-align: String(\"Center\") - 'Center' is not a valid "
         "value Suggestion: " +
             text_align},
        {"text-align", PropertyValue::list({str("left"), str("right")}),
         "Property validation error for text-align: List([String(\"left\"), String(\"right\")]) - "
         "Expected one of: start, end, center, justify, left, right"},
        {"text-align", PropertyValue::inherit(), ""},
        {"overflow", PropertyValue::auto_value(), ""},
        {"overflow", str("hidden"), ""},
        {"overflow", str("clip"),
         "Property validation error for overflow: String(\"clip\") - 'clip' is not a valid value "
         "Suggestion: Use one of: visible, hidden, scroll, auto"},
        {"border-style", PropertyValue::none(), ""},
        {"border-end-style", str("groove"), ""},
        {"border-top-style", pt(1),
         "Property validation error for border-top-style: Length(Length(1pt)) - Expected one of: "
         "none, solid, dashed, dotted, double, groove, ridge, inset, outset"},
        {"border-left-style", str(""),
         "Property validation error for border-left-style: String(\"\") - '' is not a valid value "
         "Suggestion: Use one of: none, solid, dashed, dotted, double, groove, ridge, inset, "
         "outset"},
        {"break-before", str("even-page"), ""},
        {"break-after", str("always"),
         "Property validation error for break-after: String(\"always\") - 'always' is not a valid "
         "value Suggestion: Use one of: auto, column, page, even-page, odd-page"},
        {"page-break-after", str("always"), ""},  // not validated
        {"color", str("no-such-colour"), ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(property_id(c.property), c.value), c.expected) << c.property;
    }
}

TEST(PropertyValidation, FontSizeAndLineHeightChecks) {
    const std::string font_size = "Property validation error for font-size: ";
    const std::string line_height = "Property validation error for line-height: ";
    const std::string general = " Suggestion: Use a positive length, positive number, or 'normal'";
    struct Case {
        PropertyId id;
        PropertyValue value;
        std::string expected;
    };
    const Case cases[] = {
        {PropertyId::FontSize, pt(0),
         font_size + "Length(Length(0pt)) - Length value 0 must be positive Suggestion: Font size "
                     "must be greater than 0"},
        {PropertyId::FontSize, pt(-1.5),
         font_size + "Length(Length(-1.5pt)) - Length value -1.5 must be positive Suggestion: "
                     "Font size must be greater than 0"},
        {PropertyId::FontSize, pt(0.001), ""},
        {PropertyId::FontSize, PropertyValue::integer(12),
         font_size + "Integer(12) - Expected length value"},
        {PropertyId::FontSize, str("large"),
         font_size + "String(\"large\") - Expected length value"},
        {PropertyId::FontSize, PropertyValue::relative_font_size(RelativeFontSize::Larger), ""},
        {PropertyId::FontSize, PropertyValue::percentage(1.2), ""},
        {PropertyId::FontSize, PropertyValue::percentage(-1.2), ""},
        {PropertyId::FontSize, PropertyValue::expression(Expression{}), ""},
        {PropertyId::LineHeight, PropertyValue::number(1.5), ""},
        {PropertyId::LineHeight, PropertyValue::integer(2),
         line_height + "Integer(2) - Invalid line-height value" + general},
        {PropertyId::LineHeight, str("normal"), ""},
        {PropertyId::LineHeight, str("Normal"),
         line_height + "String(\"Normal\") - Invalid line-height value" + general},
        {PropertyId::LineHeight, PropertyValue::percentage(0),
         line_height + "Percentage(Percentage(0%)) - Line height percentage 0% must be positive "
                       "Suggestion: Use a positive percentage (e.g., 150%)"},
        {PropertyId::LineHeight, PropertyValue::percentage(1.5), ""},
        {PropertyId::LineHeight, pt(-2),
         line_height + "Length(Length(-2pt)) - Line height -2 must be positive" + general},
        {PropertyId::LineHeight, pt(14), ""},
        {PropertyId::LineHeight, PropertyValue::number(0),
         line_height + "Number(0.0) - Line height multiplier 0 must be positive Suggestion: Use a "
                       "positive number (e.g., 1.5 for 150% of font size)"},
        {PropertyId::LineHeight, PropertyValue::relative_font_size(RelativeFontSize::Large),
         line_height + "RelativeFontSize(Large) - Invalid line-height value" + general},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(check(c.id, c.value), c.expected) << display(c.value);
    }
}

TEST(PropertyValidation, ReportsTheFirstFailureInIdOrder) {
    PropertyList list;
    list.set(PropertyId::ZIndex, PropertyValue::integer(5000000));
    list.set(PropertyId::ColumnCount, PropertyValue::integer(0));
    list.set(PropertyId::BreakAfter, PropertyValue::inherit());
    list.set(PropertyId::FontSize, pt(12));
    Status status = validate_properties(list.slots());
    ASSERT_FALSE(status.ok());
    EXPECT_EQ(display(status.error()).substr(0, 44),
              "Property validation error for column-count: ");
    EXPECT_TRUE(validate_properties({}).ok());
}

}  // namespace
}  // namespace lorp
