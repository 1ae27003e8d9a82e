#include "properties/parse/token_parser.h"

#include <optional>
#include <string>

#include "types/color.h"
#include "types/expression.h"
#include "types/gradient.h"
#include "types/length.h"
#include "types/percentage.h"
#include "types/real_number.h"
#include "types/white_space.h"

namespace lorp {

namespace {
constexpr std::string_view kColumnWidthPrefix = "proportional-column-width(";

// proportional-column-width(n) as a Number; nothing when n does not read.
std::optional<PropertyValue> column_width(std::string_view token) {
    if (token.size() < kColumnWidthPrefix.size() + 1 || !token.starts_with(kColumnWidthPrefix) ||
        !token.ends_with(')')) {
        return std::nullopt;
    }
    std::string_view inner =
        token.substr(kColumnWidthPrefix.size(), token.size() - kColumnWidthPrefix.size() - 1);
    std::optional<double> number = parse_real(trim_white_space(inner));
    if (!number) {
        return std::nullopt;
    }
    return PropertyValue::number(*number);
}
}  // namespace

PropertyValue parse_token(std::string_view token) {
    if (token == "inherit") {
        return PropertyValue::inherit();
    }
    if (token == "auto") {
        return PropertyValue::auto_value();
    }
    if (token == "none") {
        return PropertyValue::none();
    }
    if (std::optional<PropertyValue> width = column_width(token)) {
        return std::move(*width);
    }
    if (token.starts_with("label-end()") || token.starts_with("body-start()")) {
        return PropertyValue::string(std::string(token));
    }
    if (token.ends_with('%')) {
        if (Result<double> fraction = parse_percentage(token); fraction.ok()) {
            return PropertyValue::percentage(*fraction);
        }
    }
    if (std::optional<LengthToken> length = parse_length_token(token)) {
        if (const auto* em = std::get_if<EmMultiple>(&*length)) {
            return PropertyValue::percentage(em->factor);
        }
        return PropertyValue::length(*std::get_if<Length>(&*length));
    }
    if (token.find("gradient(") != std::string_view::npos) {
        if (std::optional<Gradient> gradient = parse_gradient(token)) {
            return PropertyValue::gradient(std::move(*gradient));
        }
    }
    if (std::optional<Color> color = parse_color(token)) {
        return PropertyValue::color(*color);
    }
    if (std::optional<std::int32_t> integer = parse_int32(token)) {
        return PropertyValue::integer(*integer);
    }
    if (std::optional<double> number = parse_real(token)) {
        return PropertyValue::number(*number);
    }
    if (token.size() > 4 && token.starts_with("calc(")) {
        if (Result<Expression> expression = parse_calc(token); expression.ok()) {
            return PropertyValue::expression(std::move(expression).value());
        }
    }
    return PropertyValue::string(std::string(token));
}

}  // namespace lorp
