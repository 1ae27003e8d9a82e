#pragma once

#include <string_view>

#include "properties/property_id.h"
#include "properties/property_list.h"
#include "properties/property_value.h"

namespace lorp {

// The twelve shorthands: "font", "margin", "padding", "border", "border-top",
// "border-right", "border-bottom", "border-left", "border-width",
// "border-color", "border-style" and "background".
bool is_shorthand(PropertyId id);

// Stores the longhands of `shorthand` for its parsed value; the shorthand
// itself is never stored. `text` is the attribute value as written, which the
// font shorthand needs for the tokens it does not read as lengths. Values are
// stored as parsed, even where they do not fit the longhand; validation and
// layout judge them. Never fails.
void expand_shorthand(PropertyList& list, PropertyId shorthand, const PropertyValue& value,
                      std::string_view text);

}  // namespace lorp
