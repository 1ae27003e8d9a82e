#pragma once

#include <cstdint>

#include "layout/area/area.h"
#include "render/pdf/content_stream.h"

namespace lorp {

// A leader whose pattern is "rule": one horizontal line across the area,
// centred vertically, in the area's colour (black by default), rule_thickness
// thick (0.5pt by default), dashed or dotted by rule_style. Every other
// pattern draws nothing. (x, top) is the area's absolute top-left corner and
// page_height the page's height, all in millipoints with y downward.
void draw_leader(ContentStream& out, const Area& area, std::int64_t x, std::int64_t top,
                 std::int64_t page_height);

}  // namespace lorp
