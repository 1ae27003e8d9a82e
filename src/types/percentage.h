#pragma once

#include <string>
#include <string_view>

#include "error/result.h"

namespace lorp {

// Reads a percentage such as "50%" or " 12.5 % " and returns the fraction
// (0.5, 0.125). Fails with a parse error when the "%" is missing or the number
// in front of it does not read.
Result<double> parse_percentage(std::string_view text);

// The diagnostic form of a fraction: "Percentage(50%)".
std::string display_percentage(double fraction);

}  // namespace lorp
