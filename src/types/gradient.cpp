#include "types/gradient.h"

#include <cmath>
#include <numbers>

#include "types/number_text.h"
#include "types/real_number.h"
#include "types/white_space.h"

namespace lorp {

namespace {
constexpr std::string_view kLinearPrefix = "linear-gradient(";
constexpr std::string_view kRadialPrefix = "radial-gradient(";
constexpr double kHalfBox = kGradientBoxSize / 2;

// Splits at every comma (nesting is not considered) and trims each piece.
std::vector<std::string_view> split_commas(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = text.find(',', start);
        pieces.push_back(trim_white_space(text.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return pieces;
        }
        start = comma + 1;
    }
}

// Offsets follow position only: one stop sits at 0.5, n stops spread evenly.
std::optional<std::vector<ColorStop>> parse_stops(const std::vector<std::string_view>& pieces,
                                                  std::size_t first) {
    if (first >= pieces.size()) {
        return std::nullopt;
    }
    std::size_t count = pieces.size() - first;
    std::vector<ColorStop> stops;
    stops.reserve(count);
    for (std::size_t k = 0; k < count; ++k) {
        std::optional<Color> color = parse_color(pieces[first + k]);
        if (!color) {
            return std::nullopt;
        }
        double offset = count == 1 ? 0.5 : static_cast<double>(k) / static_cast<double>(count - 1);
        stops.push_back({offset, *color});
    }
    return stops;
}

// The angle of a leading direction piece: "<n>deg" or "to <side>". Sets
// `consumed` when the piece was a direction; nothing means an invalid one.
std::optional<double> parse_direction(std::string_view piece, bool& consumed) {
    consumed = false;
    if (piece.size() > 2 && piece.ends_with("deg")) {
        consumed = true;
        return parse_real(trim_white_space(piece.substr(0, piece.size() - 3)));
    }
    if (piece.starts_with("to ")) {
        consumed = true;
        std::string_view side = trim_white_space(piece.substr(3));
        if (side == "top") {
            return 0.0;
        }
        if (side == "right") {
            return 90.0;
        }
        if (side == "bottom") {
            return 180.0;
        }
        if (side == "left") {
            return 270.0;
        }
        return std::nullopt;
    }
    return 180.0;
}

// 0 degrees points up and angles grow clockwise; the line crosses the box
// through its centre.
LinearGradient linear_geometry(double degrees, std::vector<ColorStop> stops) {
    double t = (degrees - 90.0) * std::numbers::pi / 180.0;
    double dx = kHalfBox * std::cos(t);
    double dy = kHalfBox * std::sin(t);
    LinearGradient gradient;
    gradient.start_point = {Length::from_real_millipoints(kHalfBox - dx),
                            Length::from_real_millipoints(kHalfBox - dy)};
    gradient.end_point = {Length::from_real_millipoints(kHalfBox + dx),
                          Length::from_real_millipoints(kHalfBox + dy)};
    gradient.color_stops = std::move(stops);
    return gradient;
}

void append_stops(std::string& out, const std::vector<ColorStop>& stops) {
    out += "color_stops: [";
    for (std::size_t i = 0; i < stops.size(); ++i) {
        if (i > 0) {
            out += ", ";
        }
        out += "ColorStop { offset: ";
        append_real(out, stops[i].offset);
        out += ", color: ";
        out += display(stops[i].color);
        out += " }";
    }
    out += ']';
}
}  // namespace

std::optional<Gradient> parse_gradient(std::string_view text) {
    std::string_view trimmed = trim_white_space(text);
    bool linear = trimmed.starts_with(kLinearPrefix);
    if (!linear && !trimmed.starts_with(kRadialPrefix)) {
        return std::nullopt;
    }
    // Both prefixes have the same length.
    if (trimmed.size() < kLinearPrefix.size() + 2 || !trimmed.ends_with(')')) {
        return std::nullopt;
    }
    std::vector<std::string_view> pieces = split_commas(
        trimmed.substr(kLinearPrefix.size(), trimmed.size() - kLinearPrefix.size() - 1));

    if (linear) {
        bool consumed = false;
        std::optional<double> angle = parse_direction(pieces.front(), consumed);
        if (!angle) {
            return std::nullopt;
        }
        std::optional<std::vector<ColorStop>> stops = parse_stops(pieces, consumed ? 1 : 0);
        if (!stops) {
            return std::nullopt;
        }
        return Gradient{linear_geometry(*angle, std::move(*stops))};
    }

    std::optional<std::vector<ColorStop>> stops =
        parse_stops(pieces, pieces.front() == "circle" ? 1 : 0);
    if (!stops) {
        return std::nullopt;
    }
    RadialGradient gradient;
    gradient.center = {Length::from_millipoints(kGradientBoxSize / 2),
                       Length::from_millipoints(kGradientBoxSize / 2)};
    gradient.radius = 0.5;
    gradient.color_stops = std::move(*stops);
    return Gradient{std::move(gradient)};
}

std::string display(const Point& point) {
    std::string out = "Point(";
    append_length(out, point.x);
    out += ", ";
    append_length(out, point.y);
    out += ')';
    return out;
}

std::string display(const Gradient& gradient) {
    std::string out;
    if (const auto* linear = std::get_if<LinearGradient>(&gradient.kind)) {
        out += "Linear { start_point: ";
        out += display(linear->start_point);
        out += ", end_point: ";
        out += display(linear->end_point);
        out += ", ";
        append_stops(out, linear->color_stops);
    } else {
        const auto& radial = *std::get_if<RadialGradient>(&gradient.kind);
        out += "Radial { center: ";
        out += display(radial.center);
        out += ", radius: ";
        append_real(out, radial.radius);
        out += ", ";
        append_stops(out, radial.color_stops);
    }
    out += " }";
    return out;
}

}  // namespace lorp
