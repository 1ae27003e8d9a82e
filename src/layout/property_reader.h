#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "properties/property_id.h"
#include "types/color.h"

namespace lorp {

class PropertyList;

// Typed reads of resolved property values for layout. Each answers nothing
// when the lookup fails or yields a value of another kind: layout then falls
// back to its own default.

// A Length value, in millipoints.
std::optional<std::int32_t> read_length(const PropertyList& list, PropertyId id);
// A Length stored on this list itself (neither inherited nor initial).
std::optional<std::int32_t> read_own_length(const PropertyList& list, PropertyId id);
std::optional<Color> read_color(const PropertyList& list, PropertyId id);
// A String value (document keywords other than auto, none, inherit and the
// font-size keywords arrive this way). The view lives as long as the list.
std::optional<std::string_view> read_string(const PropertyList& list, PropertyId id);
std::optional<std::int64_t> read_integer(const PropertyList& list, PropertyId id);
// Whether the value is of the Enum kind (an initial keyword value).
bool reads_enum(const PropertyList& list, PropertyId id);

// The font size of the list's node in millipoints: a Length as given, a
// font-size keyword resolved (relative ones against the parent's size, 12pt
// when that is unknown), nothing for any other value.
std::optional<std::int32_t> resolve_font_size(const PropertyList& list);

}  // namespace lorp
