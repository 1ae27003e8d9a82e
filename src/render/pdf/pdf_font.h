#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace lorp {

// An embedded TrueType font, drawn as "/F{index + 2}" (F1 is always the
// built-in Helvetica). Metrics are in font units.
struct PdfFont {
    std::string name;                         // PostScript name, or "CustomFont"
    std::string data;                         // the whole TrueType file
    std::vector<std::uint16_t> ascii_widths;  // advances of codes 32..126
    std::array<std::int16_t, 4> bbox{};       // xMin, yMin, xMax, yMax
    std::uint32_t flags = 32;
    std::int16_t italic_angle = 0;
    std::int16_t ascent = 0;
    std::int16_t descent = 0;
    std::int16_t cap_height = 0;
    std::int16_t stem_v = 0;
    std::uint16_t units_per_em = 1000;
};

}  // namespace lorp
