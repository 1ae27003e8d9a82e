#pragma once

#include "layout/area/trait_record.h"
#include "render/pdf/content_stream.h"
#include "render/pdf/page_rect.h"

namespace lorp {

// The outline of the rectangle with rounded corners as one line of path
// operators, each followed by a blank, without a closing or painting
// operator: the caller adds "f\n" or "S\n". Radii run top-left, top-right,
// bottom-right, bottom-left and are clamped to half the width and half the
// height (and to 0 from below); a corner of radius 0 is square.
void append_rounded_rectangle(ContentStream& out, const PageRect& rect, const SideLengths& radii);

}  // namespace lorp
