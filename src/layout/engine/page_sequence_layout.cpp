#include "layout/engine/page_sequence_layout.h"

#include <array>
#include <optional>
#include <string_view>

#include "layout/area/compute_traits.h"
#include "layout/engine/flow_layout.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/footnote_layout.h"
#include "layout/engine/page_geometry.h"
#include "layout/engine/static_content_layout.h"

namespace lorp {

namespace {

// The four outer regions in the order their static content is laid out.
constexpr std::array<std::string_view, 4> kRegionNames = {"xsl-region-before", "xsl-region-after",
                                                          "xsl-region-start", "xsl-region-end"};
constexpr std::array<AreaKind, 4> kRegionKinds = {AreaKind::RegionBefore, AreaKind::RegionAfter,
                                                  AreaKind::RegionStart, AreaKind::RegionEnd};

}  // namespace

Status layout_page_sequence(LayoutRun& run, NodeId sequence, const LayoutConfig& config) {
    const auto* attributes = attributes_of<PageSequenceAttributes>(run.fo, sequence);
    const std::string_view master =
        attributes != nullptr ? std::string_view(attributes->master_reference) : std::string_view();
    const PageGeometry geometry =
        resolve_geometry(run.fo, master, config.default_page_width, config.default_page_height);

    Area page_area = Area::at(AreaKind::Page, 0, 0, geometry.page_width, geometry.page_height);
    if (const PropertyList* properties = properties_of(run.fo, sequence)) {
        page_area.traits = region_traits(*properties, false);
    }
    const AreaId page = run.areas.add(std::move(page_area));
    if (std::optional<std::string_view> id = run.fo.id_of(sequence)) {
        record_id_page(run.context, *id);
    }

    std::optional<NodeId> flow;
    std::array<std::optional<NodeId>, 4> statics;
    for (NodeId child : run.fo.children(sequence)) {
        if (is_element(run.fo, child, FoElement::Flow)) {
            flow = child;
        } else if (is_element(run.fo, child, FoElement::StaticContent)) {
            const auto* names = attributes_of<FlowAttributes>(run.fo, child);
            for (std::size_t i = 0; names != nullptr && i < kRegionNames.size(); ++i) {
                if (names->flow_name == kRegionNames[i]) {
                    statics[i] = child;
                }
            }
        }
    }

    run.context.markers.clear();
    if (flow) {
        collect_markers(run, *flow);
    }
    const std::array<Rect, 4> rects = {geometry.region_before, geometry.region_after,
                                       geometry.region_start, geometry.region_end};
    for (std::size_t i = 0; i < statics.size(); ++i) {
        if (statics[i]) {
            if (Status s = layout_static_content(run, *statics[i], page, kRegionKinds[i], rects[i]);
                !s.ok()) {
                return s;
            }
        }
    }
    if (flow) {
        if (Status s = layout_flow(run, *flow, page, geometry.region_body); !s.ok()) {
            return s;
        }
    }
    if (Status s = place_footnotes(run, page, geometry.region_body); !s.ok()) {
        return s;
    }
    ++run.context.page_number;
    return ok_status();
}

}  // namespace lorp
