#pragma once

#include "error/result.h"
#include "layout/engine/layout_context.h"
#include "layout/layout_config.h"

namespace lorp {

// Turns one fo:page-sequence into one page: the Page area, its static
// regions, the flow in the body region, then the page's footnotes. The page
// number moves on by one afterwards.
Status layout_page_sequence(LayoutRun& run, NodeId sequence, const LayoutConfig& config);

}  // namespace lorp
