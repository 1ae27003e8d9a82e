#include "render/pdf/border_drawing.h"

#include "render/pdf/rounded_rectangle.h"

namespace lorp {

namespace {

bool visible(std::int32_t width, BorderStyle style) {
    return width >= 1 && style != BorderStyle::None && style != BorderStyle::Hidden;
}

void stroke_setup(ContentStream& out, std::int32_t width, Color color, BorderStyle style) {
    out.color(color).raw(" RG\n");
    out.points(width).raw(" w\n");
    append_border_dash(out, style);
}

void line(ContentStream& out, std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2) {
    out.points(x1).raw(" ").points(y1).raw(" m ");
    out.points(x2).raw(" ").points(y2).raw(" l S\n");
}

}  // namespace

void append_border_dash(ContentStream& out, BorderStyle style) {
    switch (style) {
        case BorderStyle::Dashed:
            out.raw("[6.000 3.000] 0.000 d\n");
            return;
        case BorderStyle::Dotted:
            out.raw("[1.000 2.000] 0.000 d\n");
            return;
        case BorderStyle::None:
        case BorderStyle::Solid:
        case BorderStyle::Double:
        case BorderStyle::Groove:
        case BorderStyle::Ridge:
        case BorderStyle::Inset:
        case BorderStyle::Outset:
        case BorderStyle::Hidden:
            out.raw("[] 0.000 d\n");
            return;
    }
}

void draw_borders(ContentStream& out, const PageRect& rect, const SideLengths& widths,
                  const SideColors& colors, const SideStyles& styles,
                  const std::optional<SideLengths>& radii) {
    const bool uniform = widths[0] == widths[1] && widths[0] == widths[2] &&
                         widths[0] == widths[3] && colors[0] == colors[1] &&
                         colors[0] == colors[2] && colors[0] == colors[3] &&
                         styles[0] == styles[1] && styles[0] == styles[2] && styles[0] == styles[3];
    if (radii && uniform && visible(widths[0], styles[0])) {
        stroke_setup(out, widths[0], colors[0], styles[0]);
        append_rounded_rectangle(out, rect, *radii);
        out.raw("S\n[] 0.000 d\n");
        return;
    }
    const std::int64_t left = rect.x;
    const std::int64_t right = rect.x + rect.width;
    const std::int64_t bottom = rect.y;
    const std::int64_t top = rect.y + rect.height;
    // Sides run top, right, bottom, left, each as (x1, y1) to (x2, y2).
    const std::int64_t lines[4][4] = {
        {left, top, right, top},
        {right, bottom, right, top},
        {left, bottom, right, bottom},
        {left, bottom, left, top},
    };
    for (int side = 0; side < 4; ++side) {
        if (!visible(widths[side], styles[side])) {
            continue;
        }
        stroke_setup(out, widths[side], colors[side], styles[side]);
        line(out, lines[side][0], lines[side][1], lines[side][2], lines[side][3]);
        out.raw("[] 0.000 d\n");
    }
}

}  // namespace lorp
