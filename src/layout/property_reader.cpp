#include "layout/property_reader.h"

#include "properties/property_list.h"

namespace lorp {

std::optional<std::int32_t> read_own_length(const PropertyList& list, PropertyId id) {
    const PropertyValue* own = list.own(id);
    const Length* length = own != nullptr ? own->length() : nullptr;
    return length != nullptr ? std::optional<std::int32_t>(length->millipoints()) : std::nullopt;
}

std::optional<std::int64_t> read_integer(const PropertyList& list, PropertyId id) {
    const std::int32_t* value = list.value(id).integer();
    return value != nullptr ? std::optional<std::int64_t>(*value) : std::nullopt;
}

bool reads_enum(const PropertyList& list, PropertyId id) {
    return list.value(id).enumeration() != nullptr;
}

std::optional<std::int32_t> resolve_font_size(const PropertyList& list) {
    const std::optional<Length> size = list.font_size();
    return size ? std::optional<std::int32_t>(size->millipoints()) : std::nullopt;
}

}  // namespace lorp
