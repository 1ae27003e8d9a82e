#pragma once

#include <cstdint>
#include <string_view>

#include "fo/fo_tree.h"
#include "layout/engine/layout_context.h"

namespace lorp {

// The page size and the five region rectangles of one page.
struct PageGeometry {
    Rect region_before;
    Rect region_after;
    Rect region_start;
    Rect region_end;
    Rect region_body;
    std::int32_t page_width = 0;
    std::int32_t page_height = 0;
};

// Finds the simple-page-master named master_reference and computes the page
// from it: the outer regions sit inside the page margins (one inch on every
// side the master leaves unset), the body inside the outer regions, shrunk by
// its own margins. Without a master the page has the default size, an inch of
// margin all round and empty outer regions. Never fails.
PageGeometry resolve_geometry(const FoTree& tree, std::string_view master_reference,
                              std::int32_t default_width, std::int32_t default_height);

}  // namespace lorp
