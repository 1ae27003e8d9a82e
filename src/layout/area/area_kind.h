#pragma once

#include <cstdint>

namespace lorp {

// What an area is. Renderers switch on it; layout makes every kind but Image.
enum class AreaKind : std::uint8_t {
    Page,
    RegionBody,
    RegionBefore,
    RegionAfter,
    RegionStart,
    RegionEnd,
    Block,
    Inline,
    Text,
    Image,
    Footnote,
    FootnoteSeparator,
    Float,
};

}  // namespace lorp
