#include "properties/shorthand/font.h"

#include <vector>

#include "types/length.h"
#include "types/percentage.h"
#include "types/real_number.h"
#include "types/white_space.h"

namespace lorp {

namespace {
enum class FontPart : std::uint8_t { Style, Variant, Weight, Other };

FontPart part_of(std::string_view token) {
    if (token == "normal" || token == "italic" || token == "oblique") {
        return FontPart::Style;
    }
    if (token == "small-caps") {
        return FontPart::Variant;
    }
    if (token == "bold" || token == "bolder" || token == "lighter") {
        return FontPart::Weight;
    }
    if (token.size() == 3 && token[0] >= '1' && token[0] <= '9' && token.ends_with("00")) {
        return FontPart::Weight;  // 100 ... 900
    }
    return FontPart::Other;
}

std::optional<double> number_before(std::string_view text, std::string_view suffix) {
    if (!text.ends_with(suffix)) {
        return std::nullopt;
    }
    return parse_real(text.substr(0, text.size() - suffix.size()));
}

// The size part of the size token.
std::optional<PropertyValue> font_size_value(std::string_view size) {
    for (std::string_view keyword : {"small", "large", "medium", "larger", "x-small", "x-large",
                                     "smaller", "xx-small", "xx-large"}) {
        if (size == keyword) {
            return PropertyValue::string(std::string(size));
        }
    }
    if (size.ends_with('%')) {
        if (Result<double> fraction = parse_percentage(size); fraction.ok()) {
            return PropertyValue::percentage(*fraction);
        }
    }
    if (size.ends_with("ex")) {
        return std::nullopt;
    }
    std::optional<LengthToken> length = parse_length_token(size);
    if (!length) {
        return std::nullopt;
    }
    if (std::holds_alternative<EmMultiple>(*length)) {
        return PropertyValue::string(std::string(size));
    }
    return PropertyValue::length(*std::get_if<Length>(&*length));
}

// The line-height part after "/".
std::optional<PropertyValue> line_height_value(std::string_view text) {
    if (text == "normal") {
        return PropertyValue::string("normal");
    }
    if (text.ends_with('%')) {
        if (Result<double> fraction = parse_percentage(text); fraction.ok()) {
            return PropertyValue::percentage(*fraction);
        }
    }
    if (std::optional<double> number = parse_real(text)) {
        return PropertyValue::number(*number);
    }
    if (std::optional<double> points = number_before(text, "pt")) {
        return PropertyValue::length(Length::from_real_millipoints(*points * kMillipointsPerPoint));
    }
    if (std::optional<double> pixels = number_before(text, "px")) {
        return PropertyValue::length(Length::from_real_millipoints(*pixels * 0.75 * 1000.0));
    }
    if (number_before(text, "em")) {
        return PropertyValue::string(std::string(text));
    }
    return std::nullopt;
}

// Family names: the text split at commas, pieces trimmed, empty ones dropped.
std::optional<PropertyValue> family_value(std::string_view text) {
    std::vector<PropertyValue> families;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        std::string_view piece = trim_white_space(text.substr(start, comma - start));
        if (!piece.empty()) {
            families.push_back(PropertyValue::string(std::string(piece)));
        }
        if (comma == std::string_view::npos) {
            break;
        }
        start = comma + 1;
    }
    if (families.empty()) {
        return std::nullopt;
    }
    if (families.size() == 1) {
        return std::move(families.front());
    }
    return PropertyValue::list(std::move(families));
}

void set_all_six(PropertyList& list, const PropertyValue& style_variant_weight,
                 const PropertyValue& size, const PropertyValue& line_height,
                 const PropertyValue& family) {
    list.set(PropertyId::FontStyle, style_variant_weight);
    list.set(PropertyId::FontVariant, style_variant_weight);
    list.set(PropertyId::FontWeight, style_variant_weight);
    list.set(PropertyId::FontSize, size);
    list.set(PropertyId::LineHeight, line_height);
    list.set(PropertyId::FontFamily, family);
}
}  // namespace

std::optional<std::string> font_shorthand_text(const PropertyValue& value, std::string_view text) {
    if (const std::string* string = value.string()) {
        return *string;
    }
    const std::vector<PropertyValue>* items = value.list();
    if (items == nullptr) {
        return std::nullopt;
    }
    // A List holds one reading per blank-separated token of the text.
    std::vector<std::string_view> tokens = split_white_space(trim_white_space(text));
    std::string joined;
    joined.reserve(text.size());
    for (std::size_t i = 0; i < items->size() && i < tokens.size(); ++i) {
        if (i > 0) {
            joined += ' ';
        }
        if (const Length* length = (*items)[i].length()) {
            append_length(joined, *length);
        } else {
            joined += tokens[i];
        }
    }
    return joined;
}

void expand_font(PropertyList& list, std::string_view text) {
    text = trim_white_space(text);
    if (text.empty()) {
        return;
    }
    if (text == "initial") {
        set_all_six(list, PropertyValue::string("normal"), PropertyValue::string("medium"),
                    PropertyValue::string("normal"), PropertyValue::string("serif"));
        return;
    }
    if (text == "inherit") {
        PropertyValue inherit = PropertyValue::inherit();
        set_all_six(list, inherit, inherit, inherit, inherit);
        return;
    }

    std::vector<std::string_view> tokens = split_white_space(text);
    std::optional<std::string_view> parts[3];  // style, variant, weight
    std::size_t size_index = 0;
    for (; size_index < tokens.size(); ++size_index) {
        FontPart part = part_of(tokens[size_index]);
        if (part == FontPart::Other || parts[static_cast<int>(part)]) {
            break;
        }
        parts[static_cast<int>(part)] = tokens[size_index];
    }
    if (size_index == tokens.size()) {
        return;  // no size token
    }

    std::string_view size_token = tokens[size_index];
    std::size_t slash = size_token.find('/');
    if (std::optional<PropertyValue> size = font_size_value(size_token.substr(0, slash))) {
        list.set(PropertyId::FontSize, std::move(*size));
    }
    if (slash != std::string_view::npos && slash + 1 < size_token.size()) {
        if (std::optional<PropertyValue> line_height =
                line_height_value(size_token.substr(slash + 1))) {
            list.set(PropertyId::LineHeight, std::move(*line_height));
        }
    }

    std::string family_text;
    for (std::size_t i = size_index + 1; i < tokens.size(); ++i) {
        if (i > size_index + 1) {
            family_text += ' ';
        }
        family_text += tokens[i];
    }
    if (std::optional<PropertyValue> family = family_value(family_text)) {
        list.set(PropertyId::FontFamily, std::move(*family));
    }

    const PropertyId ids[3] = {PropertyId::FontStyle, PropertyId::FontVariant,
                               PropertyId::FontWeight};
    for (int i = 0; i < 3; ++i) {
        list.set(ids[i], PropertyValue::string(std::string(parts[i].value_or("normal"))));
    }
}

}  // namespace lorp
