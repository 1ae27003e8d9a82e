#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace lorp {

// Layout arithmetic on millipoints never wraps: every sum, difference and
// product is computed in 64 bits and clamped to the 32-bit range.

constexpr std::int32_t clamp_to_int32(std::int64_t value) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        value, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

constexpr std::int32_t sat_add(std::int32_t a, std::int32_t b) {
    return clamp_to_int32(std::int64_t{a} + b);
}

constexpr std::int32_t sat_sub(std::int32_t a, std::int32_t b) {
    return clamp_to_int32(std::int64_t{a} - b);
}

constexpr std::int32_t sat_mul(std::int32_t a, std::int32_t b) {
    return clamp_to_int32(std::int64_t{a} * b);
}

}  // namespace lorp
