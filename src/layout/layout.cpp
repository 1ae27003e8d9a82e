#include "layout/layout.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "layout/engine/fo_access.h"
#include "layout/engine/layout_context.h"
#include "layout/engine/page_sequence_layout.h"

namespace lorp {

namespace {

// The areas are roughly one per node; reserving keeps the arena from moving
// its records while it fills.
std::size_t expected_areas(const FoTree& tree) {
    return tree.node_count() + 16;
}

void fill_citations(AreaTree& areas, const LayoutContext& context) {
    for (const auto& [area, ref_id] : context.pending_citations) {
        if (!areas.contains(area)) {
            continue;
        }
        const auto it = context.id_pages.find(ref_id);
        areas.get(area).content =
            TextContent{it != context.id_pages.end() ? std::to_string(it->second) : "??"};
    }
}

}  // namespace

Result<AreaTree> layout(const FoTree& tree, const LayoutConfig& config) {
    AreaTree areas;
    LayoutContext context;
    LayoutRun run{tree, areas, context};
    if (tree.node_count() > 0) {
        areas.reserve(expected_areas(tree));
        // Page sequences are children of the root or sit in block-containers
        // there, however deeply nested: walk them with a stack of sibling
        // cursors.
        std::vector<std::optional<NodeId>> cursors{tree.node(0).first_child()};
        while (!cursors.empty()) {
            std::optional<NodeId>& cursor = cursors.back();
            if (!cursor) {
                cursors.pop_back();
                continue;
            }
            const NodeId node = *cursor;
            cursor = tree.node(node).next_sibling();
            if (is_element(tree, node, FoElement::PageSequence)) {
                if (Status s = layout_page_sequence(run, node, config); !s.ok()) {
                    return std::move(s).error();
                }
            } else if (is_element(tree, node, FoElement::BlockContainer)) {
                cursors.push_back(tree.node(node).first_child());
            }
        }
    }
    fill_citations(areas, context);
    return areas;
}

}  // namespace lorp
