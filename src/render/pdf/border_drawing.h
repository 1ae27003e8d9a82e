#pragma once

#include "layout/area/trait_record.h"
#include "render/pdf/content_stream.h"
#include "render/pdf/page_rect.h"

namespace lorp {

// The dash operator a border style strokes with: dashed "[6.000 3.000]
// 0.000 d\n", dotted "[1.000 2.000] 0.000 d\n", every other style solid
// "[] 0.000 d\n".
void append_border_dash(ContentStream& out, BorderStyle style);

// Strokes the borders of an area. Four equal sides around rounded corners
// are one rounded outline; otherwise each visible side (width of at least one
// millipoint, style neither none nor hidden) is one line along the outer edge
// of the rectangle, in the order top, right, bottom, left. Double, groove,
// ridge, inset and outset are stroked solid. The dash is back to solid
// afterwards.
void draw_borders(ContentStream& out, const PageRect& rect, const SideLengths& widths,
                  const SideColors& colors, const SideStyles& styles,
                  const std::optional<SideLengths>& radii);

}  // namespace lorp
