#include "types/length.h"

#include <cmath>
#include <limits>

#include "types/number_text.h"
#include "types/real_number.h"

namespace lorp {

namespace {
constexpr std::int64_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax = std::numeric_limits<std::int32_t>::max();

std::int32_t saturate(std::int64_t value) {
    if (value < kMin) {
        return static_cast<std::int32_t>(kMin);
    }
    if (value > kMax) {
        return static_cast<std::int32_t>(kMax);
    }
    return static_cast<std::int32_t>(value);
}

enum class Scale { Em, Millipoints, Points };

struct Unit {
    std::string_view suffix;
    Scale scale;
    double factor;
};

// Tried in this order. px and ex are defined in points (0.75pt and 6pt) and
// multiply in that order, so that their rounding follows the definition.
constexpr Unit kUnits[] = {{"em", Scale::Em, 1},
                           {"pt", Scale::Millipoints, kMillipointsPerPoint},
                           {"px", Scale::Points, 0.75},
                           {"mm", Scale::Millipoints, kMillipointsPerMillimetre},
                           {"cm", Scale::Millipoints, kMillipointsPerCentimetre},
                           {"in", Scale::Millipoints, kMillipointsPerInch},
                           {"ex", Scale::Points, 6}};
}  // namespace

Length Length::from_real_millipoints(double millipoints) {
    if (std::isnan(millipoints)) {
        return Length();
    }
    double rounded = std::round(millipoints);  // halves away from zero
    if (rounded <= static_cast<double>(kMin)) {
        return Length(static_cast<std::int32_t>(kMin));
    }
    if (rounded >= static_cast<double>(kMax)) {
        return Length(static_cast<std::int32_t>(kMax));
    }
    return Length(static_cast<std::int32_t>(rounded));
}

Length operator+(Length a, Length b) {
    return Length(saturate(std::int64_t{a.millipoints_} + b.millipoints_));
}

Length operator-(Length a, Length b) {
    return Length(saturate(std::int64_t{a.millipoints_} - b.millipoints_));
}

Length Length::operator-() const {
    return Length(saturate(-std::int64_t{millipoints_}));
}

Length Length::scaled(double factor) const {
    return from_real_millipoints(static_cast<double>(millipoints_) * factor);
}

Length Length::divided(std::int32_t divisor) const {
    return Length(millipoints_ / divisor);
}

std::optional<LengthToken> parse_length_token(std::string_view token) {
    if (token.size() < 2) {
        return std::nullopt;
    }
    std::string_view suffix = token.substr(token.size() - 2);
    for (const Unit& unit : kUnits) {
        if (suffix != unit.suffix) {
            continue;
        }
        std::optional<double> number = parse_real(token.substr(0, token.size() - 2));
        if (!number) {
            return std::nullopt;
        }
        switch (unit.scale) {
            case Scale::Em:
                return EmMultiple{*number};
            case Scale::Millipoints:
                return Length::from_real_millipoints(*number * unit.factor);
            case Scale::Points:
                return Length::from_real_millipoints(*number * unit.factor * 1000.0);
        }
    }
    return std::nullopt;
}

void append_length(std::string& out, Length length) {
    append_shortest(out, length.points());
    out += "pt";
}

std::string length_text(Length length) {
    std::string out;
    append_length(out, length);
    return out;
}

std::string display(Length length) {
    std::string out = "Length(";
    append_length(out, length);
    out += ')';
    return out;
}

}  // namespace lorp
