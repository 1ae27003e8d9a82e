#pragma once

#include <span>

#include "error/result.h"
#include "properties/property_list.h"

namespace lorp {

// Checks the explicitly set values of one element, in ascending id order, and
// returns the first failure as a property-validation error. Auto, None and
// Inherit are never checked. The checked properties are opacity, column-count,
// orphans, widows and z-index (numeric ranges), text-align, overflow, the
// border styles and break-before/after (allowed keywords), and the font-size
// and line-height value forms.
Status validate_properties(std::span<const PropertySlot> slots);

}  // namespace lorp
