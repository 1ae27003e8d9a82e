#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace lorp {

// Reads a whole text as a decimal real number: optional sign, digits with an
// optional fraction (at least one digit in all), optional exponent. No white
// space, no "inf" or "nan", no hexadecimal. Magnitudes beyond the double range
// read as infinity, those below it as zero.
std::optional<double> parse_real(std::string_view text);

// Reads a whole text as a 32-bit whole number: optional sign, decimal digits.
std::optional<std::int32_t> parse_int32(std::string_view text);

}  // namespace lorp
