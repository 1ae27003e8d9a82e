#include "render/pdf/image_drawing.h"

namespace lorp {

void draw_image(ContentStream& out, const PageRect& rect, std::size_t index) {
    out.raw("q\n").points(rect.width).raw(" 0 0 ").points(rect.height).raw(" ");
    out.points(rect.x).raw(" ").points(rect.y).raw(" cm\n");
    out.raw("/Im").integer(static_cast<std::int64_t>(index)).raw(" Do\nQ\n");
}

}  // namespace lorp
