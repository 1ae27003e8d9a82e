#include "layout/engine/block_layout.h"

#include <utility>
#include <variant>
#include <vector>

#include "layout/area/compute_traits.h"
#include "layout/engine/fo_access.h"
#include "layout/engine/footnote_layout.h"
#include "layout/engine/inline_layout.h"
#include "layout/engine/saturating.h"
#include "layout/property_reader.h"

namespace lorp {

namespace {

// A block whose children are being laid out.
struct BlockFrame {
    NodeId node;
    AreaId area;
    std::int32_t width;
    std::int32_t line_height;
    std::int32_t text_indent;
    SharedTraits traits;
    std::optional<NodeId> next;
    bool first = true;
};

// A footnote body whose blocks are being stacked inside its Footnote area.
struct FootnoteFrame {
    FootnoteBody body;
    std::optional<NodeId> next;
};

// Blocks hold footnotes whose bodies hold blocks again, as deep as the
// document likes: the nesting lives on this heap stack, not the call stack.
class BlockLayouter {
public:
    explicit BlockLayouter(LayoutRun& run) : run_(run) {}

    Result<std::optional<AreaId>> layout(NodeId node, AreaId parent, std::int32_t y,
                                         std::int32_t available_width) {
        Result<std::optional<AreaId>> opened = open_block(node, parent, y, available_width);
        if (!opened.ok() || !*opened) {
            return opened;
        }
        if (Status s = drain(); !s.ok()) {
            return std::move(s).error();
        }
        return opened;
    }

    Status layout_content(NodeId node, AreaId block, std::int32_t text_indent) {
        const Area& area = run_.areas.get(block);
        stack_.emplace_back(BlockFrame{node, block, area.width, area.height, text_indent,
                                       area.traits, run_.fo.node(node).first_child()});
        return drain();
    }

private:
    using Frame = std::variant<BlockFrame, FootnoteFrame>;

    Result<std::optional<AreaId>> open_block(NodeId node, AreaId parent, std::int32_t y,
                                             std::int32_t available_width) {
        const PropertyList* properties = properties_of(run_.fo, node);
        if (!is_block_level(run_.fo, node) || properties == nullptr) {
            return std::optional<AreaId>();
        }
        BlockMetrics m = read_block_metrics(*properties, run_.context.traits);
        const std::int32_t width = sat_sub(sat_sub(available_width, m.start_indent), m.end_indent);
        Area area = Area::at(AreaKind::Block, m.start_indent, sat_add(y, m.space_before), width,
                             m.font_size);
        area.traits = m.traits;
        const AreaId id = run_.areas.add(std::move(area));
        if (Status s = run_.areas.attach_child(parent, id); !s.ok()) {
            return std::move(s).error();
        }
        stack_.emplace_back(BlockFrame{node, id, width, m.font_size, m.text_indent,
                                       std::move(m.traits), run_.fo.node(node).first_child()});
        return std::optional<AreaId>(id);
    }

    Status drain() {
        while (!stack_.empty()) {
            Status s =
                std::holds_alternative<BlockFrame>(stack_.back()) ? step_block() : step_footnote();
            if (!s.ok()) {
                return s;
            }
        }
        return ok_status();
    }

    Status step_block() {
        BlockFrame& frame = std::get<BlockFrame>(stack_.back());
        if (!frame.next) {
            if (std::optional<std::string_view> id = run_.fo.id_of(frame.node)) {
                record_id_page(run_.context, *id);
            }
            stack_.pop_back();
            return ok_status();
        }
        const NodeId child = *frame.next;
        frame.next = run_.fo.node(child).next_sibling();
        const InlineSlot slot{frame.area, frame.first ? frame.text_indent : 0, frame.width,
                              frame.line_height, frame.traits};
        const FoNode& node = run_.fo.node(child);
        if (node.text() != nullptr) {
            frame.first = false;
            return layout_inline_child(run_, child, slot);
        }
        switch (node.element()->kind()) {
            case FoElement::Inline:
            case FoElement::BasicLink:
                // An empty inline leaves the start x to the next child.
                if (node.first_child()) {
                    frame.first = false;
                }
                return layout_inline_child(run_, child, slot);
            case FoElement::PageNumber:
            case FoElement::PageNumberCitation:
            case FoElement::Leader:
                frame.first = false;
                return layout_inline_child(run_, child, slot);
            case FoElement::Footnote: {
                frame.first = false;
                Result<std::optional<FootnoteBody>> body = begin_footnote(run_, child, slot);
                if (!body.ok()) {
                    return std::move(body).error();
                }
                if (*body) {
                    const NodeId body_node = (*body)->body_node;
                    stack_.emplace_back(
                        FootnoteFrame{**body, run_.fo.node(body_node).first_child()});
                }
                return ok_status();
            }
            default:
                return ok_status();
        }
    }

    Status step_footnote() {
        FootnoteFrame& frame = std::get<FootnoteFrame>(stack_.back());
        if (!frame.next) {
            const FootnoteBody body = frame.body;
            stack_.pop_back();
            finish_footnote(run_, body);
            return ok_status();
        }
        const NodeId child = *frame.next;
        frame.next = run_.fo.node(child).next_sibling();
        const AreaId footnote = frame.body.footnote;
        const std::int32_t width = frame.body.width;
        const std::int32_t v = frame.body.content_height;
        // frame may move once open_block pushes; index the stack instead.
        const std::size_t index = stack_.size() - 1;
        Result<std::optional<AreaId>> block = open_block(child, footnote, v, width);
        if (!block.ok()) {
            return std::move(block).error();
        }
        if (*block) {
            const Area& area = run_.areas.get(**block);
            std::get<FootnoteFrame>(stack_[index]).body.content_height =
                sat_add(area.y, area.height);
        }
        return ok_status();
    }

    LayoutRun& run_;
    std::vector<Frame> stack_;
};

}  // namespace

BlockMetrics read_block_metrics(const PropertyList& properties, TraitInterner& traits) {
    BlockMetrics m;
    m.traits = traits.computed(properties);
    m.font_size = m.traits->font_size.value_or(12000);
    m.space_before = read_length(properties, PropertyId::SpaceBefore).value_or(0);
    m.space_after = read_length(properties, PropertyId::SpaceAfter).value_or(0);
    m.start_indent = read_length(properties, PropertyId::StartIndent).value_or(0);
    m.end_indent = read_length(properties, PropertyId::EndIndent).value_or(0);
    m.text_indent = read_length(properties, PropertyId::TextIndent).value_or(0);
    return m;
}

Result<std::optional<AreaId>> layout_block(LayoutRun& run, NodeId node, AreaId parent,
                                           std::int32_t y, std::int32_t available_width) {
    return BlockLayouter(run).layout(node, parent, y, available_width);
}

Status layout_block_content(LayoutRun& run, NodeId node, AreaId block, std::int32_t text_indent) {
    return BlockLayouter(run).layout_content(node, block, text_indent);
}

}  // namespace lorp
