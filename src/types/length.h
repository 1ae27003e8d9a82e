#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace lorp {

// A distance: a signed 32-bit count of millipoints (1/1000 pt; 72 pt make an
// inch). Every distance in the system is a Length.
class Length {
public:
    constexpr Length() = default;

    static constexpr Length from_millipoints(std::int32_t millipoints) {
        return Length(millipoints);
    }
    // Rounds to the nearest millipoint, halves away from zero; values outside
    // the 32-bit range clamp to its limits and NaN becomes 0.
    static Length from_real_millipoints(double millipoints);
    static Length from_points(double points) { return from_real_millipoints(points * 1000.0); }

    static constexpr Length zero() { return Length(); }

    constexpr std::int32_t millipoints() const { return millipoints_; }
    constexpr double points() const { return millipoints_ / 1000.0; }

    // Sums and differences saturate at the 32-bit limits.
    friend Length operator+(Length a, Length b);
    friend Length operator-(Length a, Length b);
    Length operator-() const;
    Length& operator+=(Length other) { return *this = *this + other; }
    Length& operator-=(Length other) { return *this = *this - other; }
    // Scaling rounds like from_real_millipoints.
    Length scaled(double factor) const;
    // Truncating integer division; callers rule out 0 and INT32_MIN / -1.
    Length divided(std::int32_t divisor) const;

    friend constexpr bool operator==(Length, Length) = default;
    friend constexpr auto operator<=>(Length, Length) = default;

private:
    constexpr explicit Length(std::int32_t millipoints) : millipoints_(millipoints) {}
    std::int32_t millipoints_ = 0;
};

// Millipoints per unit for the units a property value may use.
inline constexpr double kMillipointsPerPoint = 1000.0;
inline constexpr double kMillipointsPerPixel = 750.0;
inline constexpr double kMillipointsPerMillimetre = 2834.645669;
inline constexpr double kMillipointsPerCentimetre = 28346.45669;
inline constexpr double kMillipointsPerInch = 72000.0;
inline constexpr double kMillipointsPerEx = 6000.0;

// An "em" token: a multiple of the font size, which the value parser stores as
// a Percentage holding the multiple itself (1.5em holds 1.5).
struct EmMultiple {
    double factor = 0;
    friend bool operator==(const EmMultiple&, const EmMultiple&) = default;
};

using LengthToken = std::variant<Length, EmMultiple>;

// Reads a token without surrounding white space as "<number><unit>" with the
// units em, pt, px, mm, cm, in and ex (case-sensitive). Returns nothing when
// the token is not a length; never an error.
std::optional<LengthToken> parse_length_token(std::string_view token);

// The printed form: the length in points, shortest round-trip, then "pt"
// ("12pt", "1.5pt", "-0.25pt").
void append_length(std::string& out, Length length);
std::string length_text(Length length);

// The diagnostic form quoted in messages: "Length(12pt)".
std::string display(Length length);

}  // namespace lorp
