#include "render/pdf/leader_drawing.h"

namespace lorp {

namespace {
constexpr std::int32_t kDefaultThickness = 500;
}

void draw_leader(ContentStream& out, const Area& area, std::int64_t x, std::int64_t top,
                 std::int64_t page_height) {
    const TraitRecord& traits = *area.traits;
    if (traits.leader_pattern != "rule") {
        return;
    }
    const std::int64_t thickness = traits.rule_thickness.value_or(kDefaultThickness);
    out.color(traits.color.value_or(Color{})).raw(" RG\n");
    out.points(thickness).raw(" w\n");
    if (traits.rule_style == "dashed") {
        out.raw("[6 3] 0 d\n");
    } else if (traits.rule_style == "dotted") {
        out.raw("[1 2] 0 d\n");
    } else {
        out.raw("[] 0 d\n");
    }
    // The halving is in whole millipoints, truncated toward zero.
    const std::int64_t y = page_height - top - thickness - (area.height - thickness) / 2;
    out.points(x).raw(" ").points(y).raw(" m ");
    out.points(x + area.width).raw(" ").points(y).raw(" l S\n");
}

}  // namespace lorp
