#include "properties/shorthand/four_sided.h"

#include <array>
#include <cstdint>
#include <vector>

namespace lorp {

namespace {

// For one to four values, which value each side takes, in the order top,
// right, bottom, left. One value, or five and more, give every side the first.
constexpr std::array<std::array<std::uint8_t, 4>, 5> kSideSource = {{
    {0, 0, 0, 0},
    {0, 0, 0, 0},
    {0, 1, 0, 1},
    {0, 1, 2, 1},
    {0, 1, 2, 3},
}};

}  // namespace

void expand_four_sided(PropertyList& list, const FourSides& sides, const PropertyValue& value) {
    const std::vector<PropertyValue>* items = value.list();
    if (items == nullptr || items->empty()) {
        list.set(sides.top, value);
        list.set(sides.right, value);
        list.set(sides.bottom, value);
        list.set(sides.left, value);
        return;
    }
    const std::vector<PropertyValue>& v = *items;
    const auto& source = kSideSource[v.size() < kSideSource.size() ? v.size() : 1];
    list.set(sides.top, v[source[0]]);
    list.set(sides.right, v[source[1]]);
    list.set(sides.bottom, v[source[2]]);
    list.set(sides.left, v[source[3]]);
}

}  // namespace lorp
