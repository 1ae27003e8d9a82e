#include "layout/engine/static_content_layout.h"

#include <optional>
#include <string>

#include "layout/area/compute_traits.h"
#include "layout/engine/block_layout.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"

namespace lorp {

namespace {

// The marker a retrieve-marker selects, if its class has any.
std::optional<NodeId> retrieved_marker(const LayoutRun& run, NodeId retrieve) {
    const auto* attributes = attributes_of<RetrieveMarkerAttributes>(run.fo, retrieve);
    if (attributes == nullptr) {
        return std::nullopt;
    }
    const auto it = run.context.markers.find(attributes->retrieve_class_name);
    if (it == run.context.markers.end() || it->second.empty()) {
        return std::nullopt;
    }
    switch (attributes->retrieve_position) {
        case RetrievePosition::FirstStartingWithinPage:
        case RetrievePosition::FirstIncludingCarryover:
            return it->second.front();
        case RetrievePosition::LastStartingWithinPage:
        case RetrievePosition::LastEndingWithinPage:
            return it->second.back();
    }
    return std::nullopt;
}

}  // namespace

void collect_markers(LayoutRun& run, NodeId flow) {
    run.context.markers.clear();
    // Pre-order walk along the links: depth costs nothing on the call stack.
    std::optional<NodeId> at = run.fo.node(flow).first_child();
    while (at) {
        if (const auto* marker = attributes_of<MarkerAttributes>(run.fo, *at);
            marker != nullptr && is_element(run.fo, *at, FoElement::Marker)) {
            run.context.markers[marker->marker_class_name].push_back(*at);
        }
        if (std::optional<NodeId> down = run.fo.node(*at).first_child()) {
            at = down;
            continue;
        }
        while (at && *at != flow && !run.fo.node(*at).next_sibling()) {
            at = run.fo.node(*at).parent();
        }
        if (!at || *at == flow) {
            break;
        }
        at = run.fo.node(*at).next_sibling();
    }
}

Status layout_static_content(LayoutRun& run, NodeId static_content, AreaId page, AreaKind kind,
                             const Rect& region) {
    Area area = Area::at(kind, region.x, region.y, region.width, region.height);
    if (const PropertyList* properties = properties_of(run.fo, static_content)) {
        area.traits = region_traits(*properties, true);
    }
    const AreaId region_area = run.areas.add(std::move(area));
    if (Status s = run.areas.attach_child(page, region_area); !s.ok()) {
        return s;
    }

    std::int32_t y = 0;
    const auto stack_block = [&](NodeId node) -> Status {
        Result<std::optional<AreaId>> block = layout_block(run, node, region_area, y, region.width);
        if (!block.ok()) {
            return std::move(block).error();
        }
        if (*block) {
            const Area& placed = run.areas.get(**block);
            y = sat_add(placed.y, placed.height);
        }
        return ok_status();
    };
    for (NodeId child : run.fo.children(static_content)) {
        if (!is_element(run.fo, child, FoElement::RetrieveMarker)) {
            if (Status s = stack_block(child); !s.ok()) {
                return s;
            }
            continue;
        }
        if (std::optional<NodeId> marker = retrieved_marker(run, child)) {
            for (NodeId content : run.fo.children(*marker)) {
                if (Status s = stack_block(content); !s.ok()) {
                    return s;
                }
            }
        }
    }
    return ok_status();
}

}  // namespace lorp
