#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "layout/area/area_tree.h"
#include "render/pdf/pdf_document.h"
#include "render/pdf/resource_maps.h"

namespace lorp {

// The content stream and link annotations of one page. The page area paints
// nothing itself; each area below it, in tree order, is clipped to its
// rectangle when its overflow is hidden or scroll, paints its background and
// borders, then by kind: a leader rule, a text run, an image, or its
// children. Inline and Text areas with a link destination add a link
// annotation. Coordinates are flipped against the page height into PDF user
// space. The walk keeps its own stack, so nesting depth is not bounded by the
// call stack.
PdfPage draw_page(const AreaTree& tree, AreaId page, const ResourceMaps& resources);

// The content stream of draw_page alone, appended to out.
void append_page_content(const AreaTree& tree, AreaId page, const ResourceMaps& resources,
                         std::string& out);

// The link annotations of draw_page alone, found without drawing.
std::vector<LinkAnnotation> page_links(const AreaTree& tree, AreaId page);

// A generous guess of the size of the page's content stream: a share per
// area (a bordered area writes about 300 bytes) plus its text, which
// escaping can at most double.
std::size_t expected_content_size(const AreaTree& tree, AreaId page);

}  // namespace lorp
