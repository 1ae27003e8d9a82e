#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "properties/property_list.h"
#include "properties/property_value.h"

namespace lorp {

// The text the font shorthand reads for a parsed value: a String's text; for a
// List, its tokens joined by single blanks, a Length written as its points
// followed by "pt" (12px becomes 9pt) and every other token as written in
// `text`. Nothing for any other kind of value.
std::optional<std::string> font_shorthand_text(const PropertyValue& value, std::string_view text);

// "font": [style | variant | weight]* size[/line-height] family[, family]*.
// Stores font-style, font-variant, font-weight, font-size, line-height and
// font-family as far as the text gives them; a text without a size token, or
// an empty one, stores nothing. "initial" resets the six to their keywords.
void expand_font(PropertyList& list, std::string_view text);

}  // namespace lorp
