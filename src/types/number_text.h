#pragma once

#include <cstdint>
#include <string>

namespace lorp {

// Locale-free number printing straight into an output buffer.

// Shortest decimal that reads back to the same double, never with an exponent
// and never with a trailing ".0": 1, 1.5, -999999, 0.001. Negative zero prints
// as 0. NaN and infinities print as "NaN", "inf" and "-inf".
void append_shortest(std::string& out, double value);
std::string shortest(double value);

// A fraction as the percentage it stands for, in the shortest form: 0.07
// prints 7 and 0.125 prints 12.5. The decimal point of the fraction's shortest
// form moves two places, so no binary noise from multiplying by 100 appears
// (0.07 * 100 is 7.000000000000001).
void append_shortest_percent(std::string& out, double fraction);

// Exactly `decimals` digits after the point (0 to 17), rounded to nearest.
void append_fixed(std::string& out, double value, int decimals);

void append_integer(std::string& out, std::int64_t value);

// The form of a real number inside diagnostic displays (Number(2.0),
// Mul(left, 0.5), offset: 0.0): shortest round-trip with at least one digit
// after the point; magnitudes from 1e16 up or below 1e-4 (other than 0) in
// exponent form without "+" or leading zeros (1e16, 1.5e-5).
void append_real(std::string& out, double value);
std::string real_text(double value);

}  // namespace lorp
