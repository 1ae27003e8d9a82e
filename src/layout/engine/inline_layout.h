#pragma once

#include <cstdint>
#include <optional>

#include "error/result.h"
#include "layout/engine/layout_context.h"

namespace lorp {

// Where the inline content of one block goes. Every area made from it is a
// child of the block at y = 0, one line (the block's font size) high.
struct InlineSlot {
    AreaId block;
    std::int32_t x;       // start x inside the block
    std::int32_t width;   // the block's content width
    std::int32_t height;  // the block's font size
    const SharedTraits& block_traits;
};

// Text, fo:inline, fo:basic-link, fo:page-number, fo:page-number-citation and
// fo:leader as children of a block; other kinds make nothing.
Status layout_inline_child(LayoutRun& run, NodeId node, const InlineSlot& slot);

// A child of an fo:inline (or of a footnote citation) with the traits of its
// container: text becomes a Text area at x, nested fo:inline changes only the
// colour, anything else makes nothing. Nesting depth costs heap, not stack.
Status layout_inline_content(LayoutRun& run, NodeId node, const SharedTraits& traits,
                             std::int32_t x, const InlineSlot& slot);

}  // namespace lorp
