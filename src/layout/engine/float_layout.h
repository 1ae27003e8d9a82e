#pragma once

#include <cstdint>
#include <vector>

#include "error/result.h"
#include "layout/engine/layout_context.h"

namespace lorp {

enum class FloatSide : std::uint8_t { Left, Right };

// A float that intrudes into the flow between top and bottom (region
// coordinates).
struct FloatRecord {
    AreaId area;
    std::int32_t top;
    std::int32_t bottom;
    std::int32_t width;
    FloatSide side;
};

struct FloatLists {
    std::vector<FloatRecord> left;
    std::vector<FloatRecord> right;

    // Drops the floats that end at or above y.
    void drop_ended(std::int32_t y);
    // Total width of the floats of one side that span y.
    std::int32_t width_at(FloatSide side, std::int32_t y) const;
};

// Places an fo:float of a single-column flow against the left or right edge
// of the region at y, lays out its blocks, and records it. A float whose
// "float" value names no side makes nothing.
Status layout_float(LayoutRun& run, NodeId float_node, AreaId region, std::int32_t y,
                    std::int32_t available_width, bool page_is_odd, FloatLists& lists);

}  // namespace lorp
