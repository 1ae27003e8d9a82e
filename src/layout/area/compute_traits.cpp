#include "layout/area/compute_traits.h"

#include <array>
#include <string_view>
#include <utility>

#include "layout/property_reader.h"

namespace lorp {

namespace {

BorderStyle border_style_from(std::string_view keyword) {
    static constexpr std::pair<std::string_view, BorderStyle> kStyles[] = {
        {"none", BorderStyle::None},     {"solid", BorderStyle::Solid},
        {"dashed", BorderStyle::Dashed}, {"dotted", BorderStyle::Dotted},
        {"double", BorderStyle::Double}, {"groove", BorderStyle::Groove},
        {"ridge", BorderStyle::Ridge},   {"inset", BorderStyle::Inset},
        {"outset", BorderStyle::Outset}, {"hidden", BorderStyle::Hidden},
    };
    for (const auto& [name, style] : kStyles) {
        if (keyword == name) {
            return style;
        }
    }
    return BorderStyle::Solid;  // an unknown style still draws
}

std::optional<Color> visible_background(const PropertyList& properties) {
    std::optional<Color> color = read_color(properties, PropertyId::BackgroundColor);
    if (color && color->alpha == 0) {
        return std::nullopt;
    }
    return color;
}

}  // namespace

TraitRecord compute_traits(const PropertyList& properties) {
    TraitRecord traits;
    traits.color = read_color(properties, PropertyId::Color);
    traits.background_color = visible_background(properties);
    if (auto family = read_string(properties, PropertyId::FontFamily)) {
        traits.font_family.emplace(*family);
    }
    traits.font_size = resolve_font_size(properties);
    if (auto weight = read_integer(properties, PropertyId::FontWeight)) {
        traits.font_weight = static_cast<std::uint16_t>(*weight);
    }
    if (reads_enum(properties, PropertyId::FontStyle)) {
        traits.font_style = FontStyle::Normal;
    }

    // Sides in the order top, right, bottom, left.
    static constexpr PropertyId kWidths[] = {
        PropertyId::BorderTopWidth, PropertyId::BorderRightWidth, PropertyId::BorderBottomWidth,
        PropertyId::BorderLeftWidth};
    static constexpr PropertyId kColors[] = {
        PropertyId::BorderTopColor, PropertyId::BorderRightColor, PropertyId::BorderBottomColor,
        PropertyId::BorderLeftColor};
    static constexpr PropertyId kStyles[] = {
        PropertyId::BorderTopStyle, PropertyId::BorderRightStyle, PropertyId::BorderBottomStyle,
        PropertyId::BorderLeftStyle};
    SideLengths widths{};
    SideColors colors{};
    SideStyles styles{};
    for (std::size_t side = 0; side < 4; ++side) {
        widths[side] = read_length(properties, kWidths[side]).value_or(0);
        colors[side] = read_color(properties, kColors[side]).value_or(Color{0, 0, 0, 255});
        const std::optional<std::string_view> style = read_string(properties, kStyles[side]);
        styles[side] = style ? border_style_from(*style) : BorderStyle::None;
    }
    traits.border_widths = widths;
    traits.border_colors = colors;
    traits.border_styles = styles;

    traits.letter_spacing = read_length(properties, PropertyId::LetterSpacing);
    traits.word_spacing = read_length(properties, PropertyId::WordSpacing);

    if (auto radius = read_length(properties, PropertyId::XBorderRadius)) {
        traits.border_radii = SideLengths{*radius, *radius, *radius, *radius};
    } else {
        // Corners in the order top-left, top-right, bottom-right, bottom-left.
        const SideLengths corners{
            read_length(properties, PropertyId::XBorderBeforeStartRadius).value_or(0),
            read_length(properties, PropertyId::XBorderBeforeEndRadius).value_or(0),
            read_length(properties, PropertyId::XBorderAfterEndRadius).value_or(0),
            read_length(properties, PropertyId::XBorderAfterStartRadius).value_or(0)};
        for (std::int32_t r : corners) {
            if (r > 0) {
                traits.border_radii = corners;
                break;
            }
        }
    }

    if (auto overflow = read_string(properties, PropertyId::Overflow)) {
        if (*overflow == "hidden") {
            traits.overflow = Overflow::Hidden;
        } else if (*overflow == "scroll") {
            traits.overflow = Overflow::Scroll;
        } else if (*overflow == "auto") {
            traits.overflow = Overflow::Auto;
        }
    }
    return traits;
}

TraitRecord region_traits(const PropertyList& properties, bool with_color) {
    TraitRecord traits;
    if (with_color) {
        traits.color = read_color(properties, PropertyId::Color);
    }
    traits.background_color = visible_background(properties);
    return traits;
}

}  // namespace lorp
