#pragma once

#include "properties/property_id.h"
#include "properties/property_list.h"
#include "properties/property_value.h"

namespace lorp {

// The longhands of one border side.
struct BorderSide {
    PropertyId width;
    PropertyId style;
    PropertyId color;
};

// "border-top" and its siblings, and each side of "border": a Length sets the
// width, a Color the colour; in a List, Lengths set the width, Colors the
// colour and Strings (or Enums) the style, later ones winning and other kinds
// ignored; any other single value is stored in all three longhands.
void expand_border_side(PropertyList& list, const BorderSide& side, const PropertyValue& value);

}  // namespace lorp
