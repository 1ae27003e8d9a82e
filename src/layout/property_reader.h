#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "properties/property_id.h"
#include "properties/property_list.h"
#include "types/color.h"

namespace lorp {

// Typed reads of resolved property values for layout. Each answers nothing
// when the lookup fails or yields a value of another kind: layout then falls
// back to its own default. The common reads are inline: layout makes dozens
// per area, and a call returning an optional through memory costs more than
// the read.

// A Length value, in millipoints.
inline std::optional<std::int32_t> read_length(const PropertyList& list, PropertyId id) {
    const Length* length = list.value(id).length();
    return length != nullptr ? std::optional<std::int32_t>(length->millipoints()) : std::nullopt;
}
// A Length stored on this list itself (neither inherited nor initial).
std::optional<std::int32_t> read_own_length(const PropertyList& list, PropertyId id);
inline std::optional<Color> read_color(const PropertyList& list, PropertyId id) {
    const Color* color = list.value(id).color();
    return color != nullptr ? std::optional<Color>(*color) : std::nullopt;
}
// A String value (document keywords other than auto, none, inherit and the
// font-size keywords arrive this way). The view lives as long as the list.
inline std::optional<std::string_view> read_string(const PropertyList& list, PropertyId id) {
    const std::string* text = list.value(id).string();
    return text != nullptr ? std::optional<std::string_view>(*text) : std::nullopt;
}
std::optional<std::int64_t> read_integer(const PropertyList& list, PropertyId id);
// Whether the value is of the Enum kind (an initial keyword value).
bool reads_enum(const PropertyList& list, PropertyId id);

// The font size of the list's node in millipoints: a Length as given, a
// font-size keyword resolved (relative ones against the parent's size, 12pt
// when that is unknown), nothing for any other value.
std::optional<std::int32_t> resolve_font_size(const PropertyList& list);

}  // namespace lorp
