#pragma once

#include "error/result.h"
#include "fo/fo_tree.h"
#include "layout/area/area_tree.h"
#include "layout/layout_config.h"

namespace lorp {

// Lays out every fo:page-sequence of the document (those inside
// fo:block-container children of the root too) as one page each, in
// document order, then fills in the page-number citations: the page of the
// cited id, or "??" when no page sequence, block or block-container has it.
// The first failure ends layout and no tree is returned.
Result<AreaTree> layout(const FoTree& tree, const LayoutConfig& config);

}  // namespace lorp
