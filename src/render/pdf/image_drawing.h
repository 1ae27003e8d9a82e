#pragma once

#include <cstddef>

#include "render/pdf/content_stream.h"
#include "render/pdf/page_rect.h"

namespace lorp {

// Paints image XObject "/Im{index}" stretched over the rectangle, inside its
// own "q" ... "Q" so the scaling ends with it.
void draw_image(ContentStream& out, const PageRect& rect, std::size_t index);

}  // namespace lorp
