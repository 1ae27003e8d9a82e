#pragma once

#include <cstddef>
#include <string>

#include "layout/area/area_tree.h"
#include "render/pdf/pdf_document.h"
#include "render/pdf/resource_maps.h"

namespace lorp {

// A page before it is drawn: its size and link annotations, with an empty
// content stream, and a generous guess of that stream's size (a share per
// area, as a bordered area writes about 300 bytes, plus its text, which
// escaping can at most double). Inline and Text areas with a link
// destination add a link annotation, in drawing order. One walk of the page.
struct PageSurvey {
    PdfPage page;
    std::size_t expected_content_size = 0;
};
PageSurvey survey_page(const AreaTree& tree, AreaId page);

// Appends the content stream of one page to out. The page area paints
// nothing itself; each area below it, in tree order, is clipped to its
// rectangle when its overflow is hidden or scroll, paints its background and
// borders, then by kind: a leader rule, a text run, an image, or its
// children. Coordinates are flipped against the page height into PDF user
// space. The walk keeps its own stack, so nesting depth is not bounded by the
// call stack.
void append_page_content(const AreaTree& tree, AreaId page, const ResourceMaps& resources,
                         std::string& out);

}  // namespace lorp
