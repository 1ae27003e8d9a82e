#pragma once

#include <string_view>

#include "properties/property_value.h"

namespace lorp {

// The value of one token of an attribute value; the first reading that fits
// wins: inherit/auto/none, proportional-column-width(n), label-end() and
// body-start(), a percentage, a length ("em" as a Percentage), a gradient, a
// colour, a 32-bit whole number, a real number, calc(). Anything else, the
// empty text included, is a String holding the token as written.
PropertyValue parse_token(std::string_view token);

}  // namespace lorp
