#include "layout/engine/flow_layout.h"

#include <algorithm>
#include <optional>
#include <string>

#include "layout/area/compute_traits.h"
#include "layout/engine/block_layout.h"
#include "layout/engine/float_layout.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"
#include "layout/property_reader.h"

namespace lorp {

namespace {

constexpr std::int32_t kDefaultColumnGap = 12000;

// The lowest bottom among the floats that "clear" names and that reach below y.
std::int32_t cleared_y(const PropertyList& properties, const FloatLists& lists, std::int32_t y) {
    const std::optional<std::string_view> clear = read_string(properties, PropertyId::Clear);
    if (!clear) {
        return y;
    }
    const bool left = *clear == "left" || *clear == "start" || *clear == "both";
    const bool right = *clear == "right" || *clear == "end" || *clear == "both";
    std::int32_t result = y;
    const auto consider = [&](const std::vector<FloatRecord>& floats) {
        for (const FloatRecord& f : floats) {
            if (f.bottom > y) {
                result = std::max(result, f.bottom);
            }
        }
    };
    if (left) {
        consider(lists.left);
    }
    if (right) {
        consider(lists.right);
    }
    return result;
}

Status single_column(LayoutRun& run, NodeId flow, AreaId region, const Rect& body) {
    const bool page_is_odd = run.context.page_number % 2 == 1;
    FloatLists floats;
    std::int32_t y = 0;
    for (NodeId child : run.fo.children(flow)) {
        floats.drop_ended(y);
        if (is_element(run.fo, child, FoElement::Float)) {
            if (Status s = layout_float(run, child, region, y, body.width, page_is_odd, floats);
                !s.ok()) {
                return s;
            }
            continue;
        }
        if (const PropertyList* properties = properties_of(run.fo, child)) {
            y = cleared_y(*properties, floats, y);
        }
        const std::int32_t left = floats.width_at(FloatSide::Left, y);
        const std::int32_t right = floats.width_at(FloatSide::Right, y);
        Result<std::optional<AreaId>> block =
            layout_block(run, child, region, y, sat_sub(sat_sub(body.width, left), right));
        if (!block.ok()) {
            return std::move(block).error();
        }
        if (*block) {
            Area& area = run.areas.get(**block);
            if (left > 0) {
                area.x = sat_add(area.x, left);
            }
            y = sat_add(area.y, area.height);
        }
    }
    return ok_status();
}

// The column breaks a block asks for before itself. "column" is the obvious
// one; the page-level values break the column too, since a page sequence
// never makes a second page.
bool breaks_before(const PropertyList& properties) {
    const std::optional<std::string_view> value = read_string(properties, PropertyId::BreakBefore);
    return value && (*value == "column" || *value == "page" || *value == "even-page" ||
                     *value == "odd-page" || *value == "always");
}

bool breaks_after(const PropertyList& properties) {
    const std::optional<std::string_view> value = read_string(properties, PropertyId::BreakAfter);
    return value && *value == "column";
}

Status multi_column(LayoutRun& run, NodeId flow, AreaId region, const Rect& body,
                    std::int32_t count, std::int32_t gap) {
    const std::int32_t column_height = body.height;
    const std::int32_t column_width = sat_sub(body.width, sat_mul(gap, count - 1)) / count;
    std::int32_t column = 0;
    std::int32_t state_y = 0;
    for (NodeId child : run.fo.children(flow)) {
        const PropertyList* properties = properties_of(run.fo, child);
        if (!is_block_level(run.fo, child) || properties == nullptr) {
            continue;
        }
        BlockMetrics m = read_block_metrics(*properties, run.context.traits);
        std::int32_t y = sat_add(state_y, m.space_before);
        state_y = y;
        if (breaks_before(*properties) && column + 1 < count) {
            ++column;
            y = state_y = 0;
        }
        // Space-before enters this test twice: once inside y, once on its own.
        const std::int64_t needed = std::int64_t{m.space_before} + m.space_after + y + m.font_size;
        if (column_height < needed && column + 1 < count) {
            ++column;
            y = 0;
        }
        state_y = sat_add(y, m.font_size);

        const std::int32_t x = sat_add(m.start_indent, sat_mul(column, sat_add(column_width, gap)));
        const std::int32_t width = sat_sub(sat_sub(column_width, m.start_indent), m.end_indent);
        Area area = Area::at(AreaKind::Block, x, y, width, m.font_size);
        area.traits = std::move(m.traits);
        const AreaId id = run.areas.add(std::move(area));
        if (Status s = run.areas.attach_child(region, id); !s.ok()) {
            return s;
        }
        if (Status s = layout_block_content(run, child, id, m.text_indent); !s.ok()) {
            return s;
        }
        state_y = sat_add(state_y, m.space_after);
        if (breaks_after(*properties) && column + 1 < count) {
            ++column;
            state_y = 0;
        }
    }
    return ok_status();
}

}  // namespace

Status layout_flow(LayoutRun& run, NodeId flow, AreaId page, const Rect& body) {
    const PropertyList* properties = properties_of(run.fo, flow);
    Area region = Area::at(AreaKind::RegionBody, body.x, body.y, body.width, body.height);
    if (properties != nullptr) {
        region.traits.edit().color = read_color(*properties, PropertyId::Color);
    }
    const AreaId id = run.areas.add(std::move(region));
    if (Status s = run.areas.attach_child(page, id); !s.ok()) {
        return s;
    }
    std::int64_t count = 1;
    std::int32_t gap = kDefaultColumnGap;
    if (properties != nullptr) {
        count = read_integer(*properties, PropertyId::ColumnCount).value_or(1);
        gap = read_length(*properties, PropertyId::ColumnGap).value_or(kDefaultColumnGap);
    }
    if (count > 1) {
        // Validation keeps column-count small; clamp anyway so the arithmetic stays 32-bit.
        return multi_column(run, flow, id, body,
                            static_cast<std::int32_t>(std::min<std::int64_t>(count, 1 << 16)), gap);
    }
    return single_column(run, flow, id, body);
}

}  // namespace lorp
