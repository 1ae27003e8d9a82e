#include "properties/parse/value_parser.h"

#include <optional>
#include <vector>

#include "properties/parse/token_parser.h"
#include "properties/relative_font_size.h"
#include "types/white_space.h"

namespace lorp {

PropertyValue parse_value(PropertyId id, std::string_view text) {
    if (text == "auto") {
        return PropertyValue::auto_value();
    }
    if (text == "none") {
        return PropertyValue::none();
    }
    if (text == "inherit" || text == "from-parent()" || text == "from-nearest-specified-value()") {
        return PropertyValue::inherit();
    }
    if (id == PropertyId::FontSize) {
        if (std::optional<RelativeFontSize> size = relative_font_size_from_keyword(text)) {
            return PropertyValue::relative_font_size(*size);
        }
    }
    std::string_view trimmed = trim_white_space(text);
    if (trimmed.starts_with("calc(") && trimmed.ends_with(')')) {
        return parse_token(trimmed);
    }
    std::vector<std::string_view> tokens = split_white_space(trimmed);
    if (tokens.size() <= 1) {
        return parse_token(trimmed);
    }
    std::vector<PropertyValue> items;
    items.reserve(tokens.size());
    for (std::string_view token : tokens) {
        items.push_back(parse_token(token));
    }
    return PropertyValue::list(std::move(items));
}

}  // namespace lorp
