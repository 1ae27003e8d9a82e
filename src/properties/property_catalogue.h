#pragma once

#include <cstdint>
#include <string_view>

#include "properties/property_id.h"

namespace lorp {

// The closed set of property names. Lookups never allocate.

// The id of an attribute's local name, or PropertyId{0} when the name is not a
// property. Exact and case-sensitive; "xml:lang" is accepted for "xml-lang".
PropertyId property_id(std::string_view name);

// True for ids 1..kPropertyCount.
constexpr bool is_catalogued(PropertyId id) {
    auto raw = static_cast<std::uint16_t>(id);
    return raw >= 1 && raw <= kPropertyCount;
}

// The attribute name ("font-size"); empty for ids outside the catalogue.
std::string_view property_name(PropertyId id);

// The UpperCamelCase name ("FontSize") used when an id is printed for
// diagnostics; empty for ids outside the catalogue.
std::string_view property_display_name(PropertyId id);

// Whether an unset property takes its value from the parent element.
bool is_inherited(PropertyId id);

}  // namespace lorp
