#include "layout/engine/inline_layout.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "layout/area/compute_traits.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"
#include "layout/property_reader.h"

namespace lorp {

namespace {

constexpr std::int32_t kDefaultLeaderPatternWidth = 5000;

Status add_line_area(LayoutRun& run, const InlineSlot& slot, AreaKind kind, std::int32_t x,
                     std::int32_t width, SharedTraits traits, AreaContent content) {
    Area area = Area::at(kind, x, 0, width, slot.height);
    area.traits = std::move(traits);
    area.content = std::move(content);
    return run.areas.attach_child(slot.block, run.areas.add(std::move(area)));
}

Status add_text(LayoutRun& run, const InlineSlot& slot, std::int32_t x, std::string text,
                SharedTraits traits) {
    return add_line_area(run, slot, AreaKind::Text, x, sat_sub(slot.width, x), std::move(traits),
                         TextContent{std::move(text)});
}

SharedTraits own_traits(LayoutRun& run, NodeId node) {
    const PropertyList* properties = properties_of(run.fo, node);
    return properties != nullptr ? run.context.traits.computed(*properties) : SharedTraits();
}

// The container's traits with the colour given, shared when it already has it.
SharedTraits with_color(LayoutRun& run, const SharedTraits& traits,
                        const std::optional<Color>& color) {
    if (traits->color == color) {
        return traits;
    }
    TraitRecord changed = *traits;
    changed.color = color;
    return run.context.traits.intern(changed);
}

std::optional<Color> own_color(const LayoutRun& run, NodeId node) {
    const PropertyList* properties = properties_of(run.fo, node);
    return properties != nullptr ? read_color(*properties, PropertyId::Color) : std::nullopt;
}

// One open fo:inline while its children are laid out. Its text runs share
// one record: the container's traits with the frame's colour.
struct InlineFrame {
    std::optional<NodeId> next;
    SharedTraits traits;
    std::int32_t x;
    bool later_children_at_zero;  // a block's own fo:inline starts only its first child at x
};

// Lays out the children of container with the traits given, each nested
// fo:inline pushing a frame instead of recursing.
Status layout_children(LayoutRun& run, NodeId container, const SharedTraits& traits,
                       const std::optional<Color>& color, std::int32_t x,
                       bool later_children_at_zero, const InlineSlot& slot) {
    std::vector<InlineFrame> stack;
    stack.push_back({run.fo.node(container).first_child(), with_color(run, traits, color), x,
                     later_children_at_zero});
    while (!stack.empty()) {
        InlineFrame& frame = stack.back();
        if (!frame.next) {
            stack.pop_back();
            continue;
        }
        const NodeId child = *frame.next;
        frame.next = run.fo.node(child).next_sibling();
        const std::int32_t child_x = frame.x;
        if (frame.later_children_at_zero) {
            frame.x = 0;
        }
        const FoNode& node = run.fo.node(child);
        if (const TextNode* text = node.text()) {
            if (Status s = add_text(run, slot, child_x, std::string(text->text), frame.traits);
                !s.ok()) {
                return s;
            }
        } else if (is_element(run.fo, child, FoElement::Inline)) {
            std::optional<Color> nested = own_color(run, child);
            SharedTraits nested_traits =
                nested ? with_color(run, traits, nested) : SharedTraits(frame.traits);
            // frame is not used past this point: the push may move it.
            stack.push_back({node.first_child(), std::move(nested_traits), child_x, false});
        }
    }
    return ok_status();
}

constexpr int kMaxLeaderDots = 4096;

Status layout_leader(LayoutRun& run, NodeId node, const InlineSlot& slot) {
    const PropertyList* properties = properties_of(run.fo, node);
    std::string pattern = "space";
    if (properties != nullptr) {
        if (auto given = read_string(*properties, PropertyId::LeaderPattern)) {
            pattern = *given;
        }
    }
    SharedTraits traits = slot.block_traits;
    if (pattern == "dots") {
        std::int32_t pattern_width = kDefaultLeaderPatternWidth;
        if (properties != nullptr) {
            pattern_width = read_length(*properties, PropertyId::LeaderPatternWidth)
                                .value_or(kDefaultLeaderPatternWidth);
        }
        double dots = 1;
        if (pattern_width > 0) {
            dots = std::floor((slot.width / 1000.0) / (pattern_width / 1000.0));
            if (dots < 2) {
                dots = 1;
            }
        }
        // A pattern width of a millipoint on a wide block would ask for
        // billions of dots from a few bytes of input; a leader holds at most
        // kMaxLeaderDots, more than any page is wide at a one-point pattern.
        dots = std::min(dots, static_cast<double>(kMaxLeaderDots));
        traits.edit().leader_pattern = "dots";
        return add_line_area(run, slot, AreaKind::Text, 0, slot.width,
                             run.context.traits.intern(traits),
                             TextContent{std::string(static_cast<std::size_t>(dots), '.')});
    }
    if (pattern == "rule" && properties != nullptr) {
        TraitRecord& rule = traits.edit();
        rule.rule_thickness = read_length(*properties, PropertyId::RuleThickness);
        if (auto style = read_string(*properties, PropertyId::RuleStyle)) {
            rule.rule_style.emplace(*style);
        }
    }
    traits.edit().leader_pattern = std::move(pattern);
    return add_line_area(run, slot, AreaKind::Inline, 0, slot.width,
                         run.context.traits.intern(traits), NoContent{});
}

std::string decimal(std::uint64_t value) {
    return std::to_string(value);
}

}  // namespace

Status layout_inline_child(LayoutRun& run, NodeId node, const InlineSlot& slot) {
    const FoNode& fo_node = run.fo.node(node);
    if (const TextNode* text = fo_node.text()) {
        return add_text(run, slot, slot.x, std::string(text->text), slot.block_traits);
    }
    const FoElementData* element = fo_node.element();
    switch (element->kind()) {
        case FoElement::Inline: {
            const SharedTraits traits = own_traits(run, node);
            return layout_children(run, node, traits, traits->color, slot.x, true, slot);
        }
        case FoElement::BasicLink: {
            SharedTraits traits = own_traits(run, node);
            if (const auto* link = element->attributes<LinkAttributes>()) {
                if (link->external_destination) {
                    traits.edit().link_destination = link->external_destination;
                } else if (link->internal_destination) {
                    traits.edit().link_destination = link->internal_destination;
                }
            }
            return layout_children(run, node, traits, traits->color, slot.x, true, slot);
        }
        case FoElement::PageNumber:
            return add_text(run, slot, slot.x, decimal(run.context.page_number),
                            own_traits(run, node));
        case FoElement::PageNumberCitation: {
            if (Status s = add_text(run, slot, slot.x, "0", own_traits(run, node)); !s.ok()) {
                return s;
            }
            const auto* citation = element->attributes<CitationAttributes>();
            run.context.pending_citations.emplace_back(
                run.areas.size() - 1, citation != nullptr ? citation->ref_id : std::string());
            return ok_status();
        }
        case FoElement::Leader:
            return layout_leader(run, node, slot);
        default:
            return ok_status();
    }
}

Status layout_inline_content(LayoutRun& run, NodeId node, const SharedTraits& traits,
                             std::int32_t x, const InlineSlot& slot) {
    const FoNode& fo_node = run.fo.node(node);
    if (const TextNode* text = fo_node.text()) {
        return add_text(run, slot, x, std::string(text->text), traits);
    }
    if (!is_element(run.fo, node, FoElement::Inline)) {
        return ok_status();
    }
    std::optional<Color> color = own_color(run, node);
    return layout_children(run, node, traits, color ? color : traits->color, x, false, slot);
}

}  // namespace lorp
