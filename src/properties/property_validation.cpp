#include "properties/property_validation.h"

#include <string>
#include <string_view>

#include "properties/property_catalogue.h"
#include "types/number_text.h"

namespace lorp {

namespace {

struct RangeRule {
    double minimum;
    double maximum;
    // Completes "…between {min} and {max}" style hints; empty when the hint
    // has no numbers.
    std::string_view hint_prefix;
    std::string_view hint_middle;
    std::string_view hint_suffix;
};

struct AllowedRule {
    std::span<const std::string_view> allowed;
};

struct Rule {
    PropertyId id;
    const RangeRule* range;  // exactly one of range and allowed is set
    const AllowedRule* allowed;
};

constexpr RangeRule kOpacity{
    0, 1, "Use a value between 0.0 (fully transparent) and 1.0 (fully opaque)", "", ""};
constexpr RangeRule kColumnCount{1, 255, "Column count must be between ", " and ", " columns"};
constexpr RangeRule kOrphans{1, 999, "Orphans must be between ", " and ",
                             " lines at the bottom of a page"};
constexpr RangeRule kWidows{1, 999, "Widows must be between ", " and ",
                            " lines at the top of a page"};
constexpr RangeRule kZIndex{-999999, 999999, "Z-index must be between ", " and ", ""};

constexpr std::string_view kTextAlignValues[] = {"start",   "end",  "center",
                                                 "justify", "left", "right"};
constexpr std::string_view kOverflowValues[] = {"visible", "hidden", "scroll", "auto"};
constexpr std::string_view kBorderStyleValues[] = {"none",   "solid", "dashed", "dotted", "double",
                                                   "groove", "ridge", "inset",  "outset"};
constexpr std::string_view kBreakValues[] = {"auto", "column", "page", "even-page", "odd-page"};

constexpr AllowedRule kTextAlign{kTextAlignValues};
constexpr AllowedRule kOverflow{kOverflowValues};
constexpr AllowedRule kBorderStyle{kBorderStyleValues};
constexpr AllowedRule kBreak{kBreakValues};

// Sorted by id; at most one rule per property.
constexpr Rule kRules[] = {
    {PropertyId::BorderAfterStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderBeforeStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderBottomStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderEndStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderLeftStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderRightStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderStartStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderStyle, nullptr, &kBorderStyle},
    {PropertyId::BorderTopStyle, nullptr, &kBorderStyle},
    {PropertyId::BreakAfter, nullptr, &kBreak},
    {PropertyId::BreakBefore, nullptr, &kBreak},
    {PropertyId::ColumnCount, &kColumnCount, nullptr},
    {PropertyId::Orphans, &kOrphans, nullptr},
    {PropertyId::Overflow, nullptr, &kOverflow},
    {PropertyId::TextAlign, nullptr, &kTextAlign},
    {PropertyId::Widows, &kWidows, nullptr},
    {PropertyId::ZIndex, &kZIndex, nullptr},
    {PropertyId::Opacity, &kOpacity, nullptr},
};

constexpr bool rules_sorted() {
    for (std::size_t i = 1; i < std::size(kRules); ++i) {
        if (!(kRules[i - 1].id < kRules[i].id)) {
            return false;
        }
    }
    return true;
}
static_assert(rules_sorted());

const Rule* rule_for(PropertyId id) {
    for (const Rule& rule : kRules) {
        if (rule.id == id) {
            return &rule;
        }
    }
    return nullptr;
}

ConversionError failure(PropertyId id, const PropertyValue& value, std::string message) {
    return ConversionError::property_validation(std::string(property_name(id)), display(value),
                                                std::move(message));
}

std::string with_hint(std::string message, std::string_view hint) {
    message += " Suggestion: ";
    message += hint;
    return message;
}

void append_joined(std::string& out, std::span<const std::string_view> texts) {
    const char* separator = "";
    for (std::string_view text : texts) {
        out += separator;
        out += text;
        separator = ", ";
    }
}

// The number a range rule compares: lengths in points, percentages as fractions.
std::optional<double> range_number(const PropertyValue& value) {
    if (const Length* length = value.length()) {
        return length->points();
    }
    if (const std::int32_t* integer = value.integer()) {
        return *integer;
    }
    if (const double* number = value.number()) {
        return *number;
    }
    if (const double* fraction = value.percentage()) {
        return *fraction;
    }
    return std::nullopt;
}

Status check_range(PropertyId id, const PropertyValue& value, const RangeRule& rule) {
    std::optional<double> number = range_number(value);
    if (!number) {
        return failure(id, value, "Expected numeric value for range validation");
    }
    // NaN compares false both ways; it cannot come from the value parsers.
    if (*number >= rule.minimum && *number <= rule.maximum) {
        return ok_status();
    }
    std::string message = "Value ";
    append_shortest(message, *number);
    message += " is out of range (must be ";
    append_shortest(message, rule.minimum);
    message += '-';
    append_shortest(message, rule.maximum);
    message += ") Suggestion: ";
    message += rule.hint_prefix;
    if (!rule.hint_middle.empty()) {
        append_shortest(message, rule.minimum);
        message += rule.hint_middle;
        append_shortest(message, rule.maximum);
        message += rule.hint_suffix;
    }
    return failure(id, value, std::move(message));
}

Status check_allowed(PropertyId id, const PropertyValue& value, const AllowedRule& rule) {
    const std::string* text = value.string();
    if (!text) {
        std::string message = "Expected one of: ";
        append_joined(message, rule.allowed);
        return failure(id, value, std::move(message));
    }
    for (std::string_view allowed : rule.allowed) {
        if (*text == allowed) {
            return ok_status();
        }
    }
    std::string message = "'" + *text + "' is not a valid value Suggestion: Use one of: ";
    append_joined(message, rule.allowed);
    return failure(id, value, std::move(message));
}

Status check_font_size(const PropertyValue& value) {
    switch (value.kind()) {
        case ValueKind::Length:
            if (value.length()->millipoints() <= 0) {
                std::string message = "Length value ";
                append_shortest(message, value.length()->points());
                message += " must be positive";
                return failure(PropertyId::FontSize, value,
                               with_hint(std::move(message), "Font size must be greater than 0"));
            }
            return ok_status();
        case ValueKind::Percentage:
        case ValueKind::RelativeFontSize:
        case ValueKind::Expression:
        case ValueKind::Auto:
        case ValueKind::None:
        case ValueKind::Inherit:
            return ok_status();
        case ValueKind::Color:
        case ValueKind::Gradient:
        case ValueKind::Enum:
        case ValueKind::String:
        case ValueKind::Integer:
        case ValueKind::Number:
        case ValueKind::Boolean:
        case ValueKind::List:
        case ValueKind::Pair:
            break;
    }
    return failure(PropertyId::FontSize, value, "Expected length value");
}

Status check_line_height(const PropertyValue& value) {
    constexpr std::string_view kGeneralHint = "Use a positive length, positive number, or 'normal'";
    switch (value.kind()) {
        case ValueKind::Length:
            if (value.length()->millipoints() <= 0) {
                std::string message = "Line height ";
                append_shortest(message, value.length()->points());
                message += " must be positive";
                return failure(PropertyId::LineHeight, value,
                               with_hint(std::move(message), kGeneralHint));
            }
            return ok_status();
        case ValueKind::Percentage:
            if (!(*value.percentage() > 0)) {
                std::string message = "Line height percentage ";
                append_shortest_percent(message, *value.percentage());
                message += "% must be positive";
                return failure(
                    PropertyId::LineHeight, value,
                    with_hint(std::move(message), "Use a positive percentage (e.g., 150%)"));
            }
            return ok_status();
        case ValueKind::Number:
            if (!(*value.number() > 0)) {
                std::string message = "Line height multiplier ";
                append_shortest(message, *value.number());
                message += " must be positive";
                return failure(
                    PropertyId::LineHeight, value,
                    with_hint(std::move(message),
                              "Use a positive number (e.g., 1.5 for 150% of font size)"));
            }
            return ok_status();
        case ValueKind::String:
            if (*value.string() == "normal") {
                return ok_status();
            }
            break;
        case ValueKind::Auto:
        case ValueKind::None:
        case ValueKind::Inherit:
            return ok_status();
        case ValueKind::Color:
        case ValueKind::Gradient:
        case ValueKind::Enum:
        case ValueKind::Integer:
        case ValueKind::Boolean:
        case ValueKind::List:
        case ValueKind::Pair:
        case ValueKind::RelativeFontSize:
        case ValueKind::Expression:
            break;
    }
    return failure(PropertyId::LineHeight, value,
                   with_hint("Invalid line-height value", kGeneralHint));
}

}  // namespace

Status validate_properties(std::span<const PropertySlot> slots) {
    for (const PropertySlot& slot : slots) {
        const PropertyValue& value = slot.value;
        if (value.is_auto() || value.is_none() || value.is_inherit()) {
            continue;
        }
        if (const Rule* rule = rule_for(slot.id)) {
            Status status = rule->range ? check_range(slot.id, value, *rule->range)
                                        : check_allowed(slot.id, value, *rule->allowed);
            if (!status) {
                return status;
            }
        }
        if (slot.id == PropertyId::FontSize) {
            if (Status status = check_font_size(value); !status) {
                return status;
            }
        } else if (slot.id == PropertyId::LineHeight) {
            if (Status status = check_line_height(value); !status) {
                return status;
            }
        }
    }
    return ok_status();
}

}  // namespace lorp
