#pragma once

#include <string_view>

#include "render/pdf/page_rect.h"
#include "render/pdf/pdf_document.h"

namespace lorp {

// External for destinations starting "http://", "https://" or "mailto:";
// internal (a named destination) for every other text.
LinkKind link_kind(std::string_view destination);

// The annotation of a link over the rectangle, converted to points.
LinkAnnotation link_annotation(std::string_view destination, const PageRect& rect);

}  // namespace lorp
