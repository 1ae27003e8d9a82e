#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "types/color.h"
#include "types/length.h"

namespace lorp {

// Gradient geometry lives in a unit box: 0 is the left or top edge of the
// painted area, 100000 the right or bottom edge, y growing downwards.
inline constexpr std::int32_t kGradientBoxSize = 100000;

struct Point {
    Length x;
    Length y;
    friend bool operator==(const Point&, const Point&) = default;
};

struct ColorStop {
    double offset = 0;  // 0 to 1 along the gradient
    Color color;
    friend bool operator==(const ColorStop&, const ColorStop&) = default;
};

struct LinearGradient {
    Point start_point;
    Point end_point;
    std::vector<ColorStop> color_stops;
    friend bool operator==(const LinearGradient&, const LinearGradient&) = default;
};

struct RadialGradient {
    Point center;
    double radius = 0.5;  // a fraction of the box
    std::vector<ColorStop> color_stops;
    friend bool operator==(const RadialGradient&, const RadialGradient&) = default;
};

struct Gradient {
    std::variant<LinearGradient, RadialGradient> kind;
    friend bool operator==(const Gradient&, const Gradient&) = default;
};

// Reads "linear-gradient(...)" or "radial-gradient(...)". Returns nothing when
// the text is not a gradient; never an error.
std::optional<Gradient> parse_gradient(std::string_view text);

// "Point(50pt, 0pt)".
std::string display(const Point& point);

// The payload form used inside "Gradient(...)":
// "Linear { start_point: Point(50pt, 0pt), end_point: Point(50pt, 100pt),
// color_stops: [ColorStop { offset: 0.0, color: Color(#FF0000) }, ...] }" or
// "Radial { center: Point(50pt, 50pt), radius: 0.5, color_stops: [...] }".
std::string display(const Gradient& gradient);

}  // namespace lorp
