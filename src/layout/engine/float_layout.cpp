#include "layout/engine/float_layout.h"

#include <algorithm>
#include <optional>
#include <string>

#include "layout/area/compute_traits.h"
#include "layout/engine/block_layout.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"
#include "layout/property_reader.h"

namespace lorp {

namespace {

constexpr std::int32_t kDefaultFloatHeight = 50000;
constexpr std::int32_t kInitialFloatHeight = 1000;

std::optional<FloatSide> float_side(const PropertyList& properties, bool page_is_odd) {
    const std::optional<std::string_view> value = read_string(properties, PropertyId::Float);
    if (!value) {
        return std::nullopt;
    }
    if (*value == "left" || *value == "start") {
        return FloatSide::Left;
    }
    if (*value == "right" || *value == "end") {
        return FloatSide::Right;
    }
    if (*value == "inside") {
        return page_is_odd ? FloatSide::Left : FloatSide::Right;
    }
    if (*value == "outside") {
        return page_is_odd ? FloatSide::Right : FloatSide::Left;
    }
    return std::nullopt;
}

std::optional<std::int32_t> positive_length(const PropertyList& properties, PropertyId id) {
    std::optional<std::int32_t> value = read_length(properties, id);
    return value && *value > 0 ? value : std::nullopt;
}

// The first positive width that the float's children declare.
std::optional<std::int32_t> declared_width(const LayoutRun& run, NodeId float_node) {
    for (NodeId child : run.fo.children(float_node)) {
        const PropertyList* properties = properties_of(run.fo, child);
        if (properties == nullptr) {
            continue;
        }
        for (PropertyId id : {PropertyId::Width, PropertyId::InlineProgressionDimension}) {
            if (auto width = positive_length(*properties, id)) {
                return width;
            }
        }
        if (is_element(run.fo, child, FoElement::ExternalGraphic)) {
            for (PropertyId id : {PropertyId::ContentWidth, PropertyId::Width}) {
                if (auto width = positive_length(*properties, id)) {
                    return width;
                }
            }
        }
    }
    return std::nullopt;
}

}  // namespace

void FloatLists::drop_ended(std::int32_t y) {
    const auto ended = [y](const FloatRecord& f) { return f.bottom <= y; };
    left.erase(std::remove_if(left.begin(), left.end(), ended), left.end());
    right.erase(std::remove_if(right.begin(), right.end(), ended), right.end());
}

std::int32_t FloatLists::width_at(FloatSide side, std::int32_t y) const {
    std::int32_t total = 0;
    for (const FloatRecord& f : side == FloatSide::Left ? left : right) {
        if (f.top <= y && y < f.bottom) {
            total = sat_add(total, f.width);
        }
    }
    return total;
}

Status layout_float(LayoutRun& run, NodeId float_node, AreaId region, std::int32_t y,
                    std::int32_t available_width, bool page_is_odd, FloatLists& lists) {
    const PropertyList* properties = properties_of(run.fo, float_node);
    if (properties == nullptr) {
        return ok_status();
    }
    const std::optional<FloatSide> side = float_side(*properties, page_is_odd);
    if (!side) {
        return ok_status();
    }
    const std::int32_t width = declared_width(run, float_node).value_or(available_width);
    const std::int32_t x = *side == FloatSide::Left ? lists.width_at(FloatSide::Left, y)
                                                    : sat_sub(sat_sub(available_width, width),
                                                              lists.width_at(FloatSide::Right, y));

    Area area = Area::at(AreaKind::Float, x, y, width, kInitialFloatHeight);
    area.traits = compute_traits(*properties);
    const AreaId id = run.areas.add(std::move(area));
    if (Status s = run.areas.attach_child(region, id); !s.ok()) {
        return s;
    }

    std::int32_t t = 0;
    for (NodeId child : run.fo.children(float_node)) {
        Result<std::optional<AreaId>> block = layout_block(run, child, id, t, width);
        if (!block.ok()) {
            return std::move(block).error();
        }
        if (*block) {
            const Area& placed = run.areas.get(**block);
            t = sat_add(placed.y, placed.height);
        }
    }
    const std::int32_t height = t < 1 ? kDefaultFloatHeight : t;
    run.areas.get(id).height = height;
    FloatRecord record{id, y, sat_add(y, height), width, *side};
    (*side == FloatSide::Left ? lists.left : lists.right).push_back(record);
    return ok_status();
}

}  // namespace lorp
