#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "layout/area/shared_text.h"
#include "types/color.h"

namespace lorp {

enum class FontStyle : std::uint8_t { Normal, Italic, Oblique };

enum class BorderStyle : std::uint8_t {
    None,
    Solid,
    Dashed,
    Dotted,
    Double,
    Groove,
    Ridge,
    Inset,
    Outset,
    Hidden,
};

// Unset means the renderers neither clip nor do anything else with it.
enum class Overflow : std::uint8_t { Unset, Hidden, Scroll, Auto };

struct TextDecoration {
    bool underline = false;
    bool overline = false;
    bool line_through = false;
    friend bool operator==(const TextDecoration&, const TextDecoration&) = default;
};

// Sides run top, right, bottom, left; corners top-left, top-right,
// bottom-right, bottom-left.
using SideLengths = std::array<std::int32_t, 4>;
using SideStyles = std::array<BorderStyle, 4>;
using SideColors = std::array<Color, 4>;

// The presentation data of one area. Every field may be absent, and absent is a
// state of its own: a renderer uses its default, it does not read a zero.
// Texts are immutable and shared between copies of a record.
struct TraitRecord {
    std::optional<double> opacity;
    SharedText font_family;
    SharedText link_destination;
    SharedText leader_pattern;
    SharedText rule_style;
    std::optional<std::int32_t> font_size;  // millipoints; renderers default to 12pt
    std::optional<std::int32_t> rule_thickness;
    std::optional<std::int32_t> letter_spacing;
    std::optional<std::int32_t> word_spacing;
    std::optional<SideLengths> border_widths;
    std::optional<SideLengths> border_radii;
    std::optional<std::uint16_t> font_weight;
    std::optional<FontStyle> font_style;
    std::optional<SideStyles> border_styles;
    std::optional<Color> color;
    std::optional<Color> background_color;
    std::optional<SideColors> border_colors;
    std::optional<TextDecoration> text_decoration;
    Overflow overflow = Overflow::Unset;

    friend bool operator==(const TraitRecord&, const TraitRecord&) = default;
};

}  // namespace lorp
