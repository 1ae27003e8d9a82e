#include "render/pdf/rounded_rectangle.h"

#include <algorithm>

namespace lorp {

namespace {

// The cubic Bezier control distance of a quarter circle of radius 1.
constexpr double kQuarterCircle = 0.552284749831;

void point(ContentStream& out, double x, double y) {
    out.fixed(x, 3).raw(" ").fixed(y, 3).raw(" ");
}

}  // namespace

void append_rounded_rectangle(ContentStream& out, const PageRect& rect, const SideLengths& radii) {
    const double x = static_cast<double>(rect.x) / 1000.0;
    const double y = static_cast<double>(rect.y) / 1000.0;
    const double w = static_cast<double>(rect.width) / 1000.0;
    const double h = static_cast<double>(rect.height) / 1000.0;
    const double limit = std::min(w / 2, h / 2);
    // A negative radius would pull the path outside the rectangle.
    auto clamp = [limit](std::int32_t millipoints) {
        return std::max(0.0, std::min(millipoints / 1000.0, limit));
    };
    const double tl = clamp(radii[0]);
    const double tr = clamp(radii[1]);
    const double br = clamp(radii[2]);
    const double bl = clamp(radii[3]);
    const double k = kQuarterCircle;

    point(out, x + bl, y);
    out.raw("m ");
    point(out, x + w - br, y);
    out.raw("l ");
    if (br > 0) {
        point(out, x + w - br + k * br, y);
        point(out, x + w, y + br - k * br);
        point(out, x + w, y + br);
        out.raw("c ");
    }
    point(out, x + w, y + h - tr);
    out.raw("l ");
    if (tr > 0) {
        point(out, x + w, y + h - tr + k * tr);
        point(out, x + w - tr + k * tr, y + h);
        point(out, x + w - tr, y + h);
        out.raw("c ");
    }
    point(out, x + tl, y + h);
    out.raw("l ");
    if (tl > 0) {
        point(out, x + tl - k * tl, y + h);
        point(out, x, y + h - tl + k * tl);
        point(out, x, y + h - tl);
        out.raw("c ");
    }
    point(out, x, y + bl);
    out.raw("l ");
    if (bl > 0) {
        point(out, x, y + bl - k * bl);
        point(out, x + bl - k * bl, y);
        point(out, x + bl, y);
        out.raw("c ");
    }
}

}  // namespace lorp
