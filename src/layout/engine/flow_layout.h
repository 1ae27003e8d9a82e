#pragma once

#include "error/result.h"
#include "layout/engine/layout_context.h"

namespace lorp {

// Stacks the flow's blocks in a RegionBody area over the body rectangle of
// the page: one column with floats and clear, or the columns that
// "column-count" asks for. Nothing is paginated: what does not fit runs past
// the bottom of the region (or of the last column).
Status layout_flow(LayoutRun& run, NodeId flow, AreaId page, const Rect& body);

}  // namespace lorp
