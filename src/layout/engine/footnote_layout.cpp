#include "layout/engine/footnote_layout.h"

#include <vector>

#include "layout/engine/fo_access.h"
#include "layout/engine/saturating.h"

namespace lorp {

namespace {

constexpr std::int32_t kSeparatorGap = 7000;
constexpr std::int32_t kSeparatorThickness = 1000;
constexpr std::int32_t kInitialFootnoteHeight = 10000;

std::optional<AreaId> enclosing_page(const AreaTree& areas, std::optional<AreaId> from) {
    for (std::optional<AreaId> at = from; at; at = areas.parent(*at)) {
        if (areas.get(*at).kind == AreaKind::Page) {
            return at;
        }
    }
    return std::nullopt;
}

}  // namespace

Result<std::optional<FootnoteBody>> begin_footnote(LayoutRun& run, NodeId footnote,
                                                   const InlineSlot& slot) {
    std::optional<NodeId> citation;
    std::optional<NodeId> body;
    for (NodeId child : run.fo.children(footnote)) {
        if (is_element(run.fo, child, FoElement::Inline)) {
            citation = child;
        } else if (is_element(run.fo, child, FoElement::FootnoteBody)) {
            body = child;
        }
    }
    if (citation) {
        if (Status s = layout_inline_content(run, *citation, slot.block_traits, slot.x, slot);
            !s.ok()) {
            return std::move(s).error();
        }
    }
    if (!body) {
        return std::optional<FootnoteBody>();
    }
    const AreaId area =
        run.areas.add(Area::at(AreaKind::Footnote, 0, 0, slot.width, kInitialFootnoteHeight));
    return std::optional<FootnoteBody>(FootnoteBody{area, *body, slot.block, slot.width, 0});
}

void finish_footnote(LayoutRun& run, const FootnoteBody& body) {
    if (body.content_height > 0) {
        run.areas.get(body.footnote).height = body.content_height;
    }
    std::optional<AreaId> page = enclosing_page(run.areas, run.areas.parent(body.citing_block));
    if (!page) {
        page = enclosing_page(run.areas, body.citing_block);
    }
    if (page) {
        run.areas.register_footnote(*page, body.footnote);
    }
}

Status place_footnotes(LayoutRun& run, AreaId page, const Rect& body) {
    const std::vector<AreaId>* listed = run.areas.footnotes(page);
    if (listed == nullptr || listed->empty()) {
        return ok_status();
    }
    std::int32_t total = 0;
    for (AreaId footnote : *listed) {
        total = sat_add(total, run.areas.get(footnote).height);
    }
    const std::int32_t bottom = sat_add(body.y, body.height);
    const std::int32_t top = sat_sub(bottom, sat_add(kSeparatorGap, total));

    Area separator =
        Area::at(AreaKind::FootnoteSeparator, body.x, top, body.width / 3, kSeparatorThickness);
    TraitRecord& rule = separator.traits.edit();
    rule.border_widths = SideLengths{kSeparatorThickness, 0, 0, 0};
    rule.border_styles =
        SideStyles{BorderStyle::Solid, BorderStyle::None, BorderStyle::None, BorderStyle::None};
    const Color black{0, 0, 0, 255};
    rule.border_colors = SideColors{black, black, black, black};
    if (Status s = run.areas.attach_child(page, run.areas.add(std::move(separator))); !s.ok()) {
        return s;
    }

    std::int32_t y = sat_add(top, kSeparatorGap);
    for (AreaId footnote : *listed) {
        Area& area = run.areas.get(footnote);
        area.x = body.x;
        area.y = y;
        area.width = body.width;
        y = sat_add(y, area.height);
        if (Status s = run.areas.attach_child(page, footnote); !s.ok()) {
            return s;
        }
    }
    return ok_status();
}

}  // namespace lorp
