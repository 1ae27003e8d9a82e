#pragma once

#include "properties/property_list.h"
#include "properties/property_value.h"

namespace lorp {

// "background": a Color goes to background-color; a Length or Percentage to
// background-position; a String to background-image (url(...)),
// background-repeat, background-attachment or background-position by its
// keyword, other texts being ignored; a List element by element, later ones
// winning. Other values store nothing.
void expand_background(PropertyList& list, const PropertyValue& value);

}  // namespace lorp
