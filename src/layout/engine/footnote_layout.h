#pragma once

#include <cstdint>
#include <optional>

#include "error/result.h"
#include "layout/engine/inline_layout.h"
#include "layout/engine/layout_context.h"

namespace lorp {

// A footnote whose Footnote area exists and whose body is being laid out.
struct FootnoteBody {
    AreaId footnote;      // the Footnote area, not attached until its page is done
    NodeId body_node;     // the fo:footnote-body
    AreaId citing_block;  // the Block area that holds the citation
    std::int32_t width;
    std::int32_t content_height = 0;  // bottom of the last block laid out in the body
};

// Places the citation (the footnote's last fo:inline) in the block and adds
// the Footnote area for its last fo:footnote-body. Answers nothing when the
// footnote has no body. The caller lays out the body's blocks into the area
// and then calls finish_footnote.
Result<std::optional<FootnoteBody>> begin_footnote(LayoutRun& run, NodeId footnote,
                                                   const InlineSlot& slot);

// Gives the Footnote area the height of its content (10pt when it has none)
// and queues it for the bottom of the page that holds the citing block. A
// footnote that reaches no page stays unattached.
void finish_footnote(LayoutRun& run, const FootnoteBody& body);

// Stacks the page's queued footnotes at the bottom of the body region under a
// separator rule one third of the body wide.
Status place_footnotes(LayoutRun& run, AreaId page, const Rect& body);

}  // namespace lorp
