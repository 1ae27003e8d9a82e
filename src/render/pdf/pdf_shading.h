#pragma once

#include <cstdint>
#include <vector>

#include "types/color.h"

namespace lorp {

struct ShadingStop {
    double offset = 0;  // 0..1 along the gradient
    Color color;        // alpha is carried but never written
};

enum class ShadingKind : std::uint8_t { Axial, Radial };

// A gradient shading, painted as "/Sh{index}". Coordinates are millipoints in
// page space. A shading with fewer than two stops writes no objects; its two
// object numbers stay unused.
struct PdfShading {
    ShadingKind kind = ShadingKind::Axial;
    std::int32_t x0 = 0;  // axial start
    std::int32_t y0 = 0;
    std::int32_t x1 = 0;  // axial end
    std::int32_t y1 = 0;
    std::int32_t cx = 0;  // radial centre
    std::int32_t cy = 0;
    double radius = 0;  // radial; written multiplied by 100
    std::vector<ShadingStop> stops;
};

}  // namespace lorp
