#pragma once

#include <string>

#include "error/result.h"
#include "layout/area/area_tree.h"

namespace lorp {

// The area tree as one SVG 1.1 document, one user unit per point. Every Page
// area, in arena order, is a fragment of its own size; several pages are
// groups "page-1", "page-2", ... of one svg element, all drawn at the same
// origin. Images are embedded as base64 data URIs. Fails only with the probe's
// message for the first Image area whose bytes are not a PNG or JPEG file.
// The result is always well-formed XML.
Result<std::string> render_svg(const AreaTree& tree);

}  // namespace lorp
