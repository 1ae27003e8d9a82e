#pragma once

#include "properties/property_id.h"
#include "properties/property_list.h"
#include "properties/property_value.h"

namespace lorp {

// The longhands of a four-sided shorthand, in side order.
struct FourSides {
    PropertyId top;
    PropertyId right;
    PropertyId bottom;
    PropertyId left;
};

// "margin", "padding", "border-width", "border-color", "border-style": one
// value sets all four sides; a List of 2 is top/bottom and right/left, of 3
// top, right/left and bottom, of 4 top, right, bottom, left; from 5 values on
// the first one sets all four sides.
void expand_four_sided(PropertyList& list, const FourSides& sides, const PropertyValue& value);

}  // namespace lorp
