#include "properties/property_catalogue.h"

#include <algorithm>

namespace lorp {

namespace {

struct LookupEntry {
    std::string_view name;
    std::uint16_t id;
};

#include "properties/property_catalogue.inc"

static_assert(std::size(kNames) == kPropertyCount);
static_assert(std::size(kLengthStart) >= 2);

constexpr std::size_t index_of(PropertyId id) {
    return static_cast<std::uint16_t>(id) - 1u;
}

}  // namespace

PropertyId property_id(std::string_view name) {
    // Names of one length form a sorted run of kLookup; search only that run.
    if (name.size() + 1 >= std::size(kLengthStart)) {
        return PropertyId{0};
    }
    const LookupEntry* first = kLookup + kLengthStart[name.size()];
    const LookupEntry* last = kLookup + kLengthStart[name.size() + 1];
    const LookupEntry* found = std::lower_bound(
        first, last, name, [](const LookupEntry& e, std::string_view n) { return e.name < n; });
    if (found != last && found->name == name) {
        return PropertyId{found->id};
    }
    return PropertyId{0};
}

std::string_view property_name(PropertyId id) {
    return is_catalogued(id) ? kNames[index_of(id)] : std::string_view{};
}

std::string_view property_display_name(PropertyId id) {
    return is_catalogued(id) ? kDisplayNames[index_of(id)] : std::string_view{};
}

bool is_inherited(PropertyId id) {
    return is_catalogued(id) && kInherited[index_of(id)];
}

}  // namespace lorp
