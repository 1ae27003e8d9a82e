#pragma once

#include "error/result.h"
#include "layout/engine/layout_context.h"

namespace lorp {

// Rebuilds the marker map from the fo:marker nodes anywhere below the flow,
// in document order.
void collect_markers(LayoutRun& run, NodeId flow);

// Makes the region area of kind for an fo:static-content and stacks its
// blocks from the top, with fo:retrieve-marker replaced by the blocks of the
// marker it selects. Content is not clipped to the region.
Status layout_static_content(LayoutRun& run, NodeId static_content, AreaId page, AreaKind kind,
                             const Rect& region);

}  // namespace lorp
