#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "fo/fo_tree.h"
#include "layout/area/area_tree.h"
#include "layout/area/trait_interner.h"

namespace lorp {

// What one layout run carries from page to page.
struct LayoutContext {
    // The page being laid out; the n-th page sequence is page n.
    std::uint64_t page_number = 1;
    // Page number of every registered id; a later registration wins. The
    // keys view ids held by the FO tree, which outlives the run.
    std::unordered_map<std::string_view, std::uint64_t> id_pages;
    // Text areas made for fo:page-number-citation with the id they cite, in
    // creation order; the closing citation pass fills them in.
    std::vector<std::pair<AreaId, std::string>> pending_citations;
    // The fo:marker nodes of the current page sequence's flow by class name,
    // in document order.
    std::unordered_map<std::string, std::vector<NodeId>> markers;
    // One shared record per distinct trait record of the run's areas.
    TraitInterner traits;
};

void record_id_page(LayoutContext& context, std::string_view id);

// The three things every layout procedure works on.
struct LayoutRun {
    const FoTree& fo;
    AreaTree& areas;
    LayoutContext& context;
};

// A rectangle in page coordinates, millipoints, y downward.
struct Rect {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace lorp
