#pragma once

#include "properties/property_id.h"
#include "properties/property_value.h"

namespace lorp {

// The value a lookup yields when a property is neither set nor inherited.
// Ids outside the catalogue give Auto.
const PropertyValue& initial_value(PropertyId id);

}  // namespace lorp
