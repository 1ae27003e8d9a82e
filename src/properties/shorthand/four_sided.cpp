#include "properties/shorthand/four_sided.h"

#include <vector>

namespace lorp {

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
    switch (v.size()) {
        case 2:
            list.set(sides.top, v[0]);
            list.set(sides.right, v[1]);
            list.set(sides.bottom, v[0]);
            list.set(sides.left, v[1]);
            return;
        case 3:
            list.set(sides.top, v[0]);
            list.set(sides.right, v[1]);
            list.set(sides.bottom, v[2]);
            list.set(sides.left, v[1]);
            return;
        case 4:
            list.set(sides.top, v[0]);
            list.set(sides.right, v[1]);
            list.set(sides.bottom, v[2]);
            list.set(sides.left, v[3]);
            return;
        default:  // one value, or five and more: the first sets every side
            list.set(sides.top, v[0]);
            list.set(sides.right, v[0]);
            list.set(sides.bottom, v[0]);
            list.set(sides.left, v[0]);
            return;
    }
}

}  // namespace lorp
