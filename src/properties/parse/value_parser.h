#pragma once

#include <string_view>

#include "properties/property_id.h"
#include "properties/property_value.h"

namespace lorp {

// The value of one attribute for the property `id`, before any shorthand
// expansion:
// - the exact texts "auto", "none", "inherit", "from-parent()" and
//   "from-nearest-specified-value()" (untrimmed, case-sensitive) give Auto,
//   None and Inherit;
// - for "font-size", the exact text of a font-size keyword gives
//   RelativeFontSize;
// - otherwise the trimmed text is split at runs of white space; one token (or
//   none) is read by parse_token, several give a List of their readings. A
//   text that starts with "calc(" and ends with ")" is one token whatever
//   blanks it holds, so that calc(10pt + 5pt) stays one expression.
PropertyValue parse_value(PropertyId id, std::string_view text);

}  // namespace lorp
