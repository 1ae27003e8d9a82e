#pragma once

#include <cstdint>
#include <optional>

#include "error/result.h"
#include "layout/engine/layout_context.h"

namespace lorp {

class PropertyList;

// What positions and sizes one block, read from its properties. Values that
// are not lengths count as 0; the line height is the font size, 12pt when
// the font size cannot be resolved.
struct BlockMetrics {
    SharedTraits traits;
    std::int32_t font_size = 12000;
    std::int32_t space_before = 0;
    std::int32_t space_after = 0;
    std::int32_t start_indent = 0;
    std::int32_t end_indent = 0;
    std::int32_t text_indent = 0;
};

BlockMetrics read_block_metrics(const PropertyList& properties, TraitInterner& traits);

// Lays out an fo:block or fo:block-container as one Block area under parent
// at y (plus its space-before), with its inline content and footnotes.
// Any other node makes nothing and answers no area.
Result<std::optional<AreaId>> layout_block(LayoutRun& run, NodeId node, AreaId parent,
                                           std::int32_t y, std::int32_t available_width);

// Lays out the content of a block whose Block area the caller has made (the
// multi-column flow does), then registers the block's id.
Status layout_block_content(LayoutRun& run, NodeId node, AreaId block, std::int32_t text_indent);

}  // namespace lorp
