#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lorp {

// Device RGB with alpha; alpha 255 is opaque, 0 fully transparent.
struct Color {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    friend bool operator==(const Color&, const Color&) = default;
};

// "#RRGGBB", "#RRGGBBAA" (hex digits in either case) or one of the 21 colour
// names, compared case-insensitively. Returns nothing for anything else.
std::optional<Color> parse_color(std::string_view text);

// The diagnostic form: "Color(#FF0000)", with the alpha pair only when the
// colour is not opaque ("Color(#0000FF80)").
std::string display(Color color);

}  // namespace lorp
