#include "render/pdf/area_drawing.h"

#include <optional>
#include <vector>

#include "render/pdf/border_drawing.h"
#include "render/pdf/content_stream.h"
#include "render/pdf/image_drawing.h"
#include "render/pdf/leader_drawing.h"
#include "render/pdf/link_annotation.h"
#include "render/pdf/rounded_rectangle.h"
#include "render/pdf/text_drawing.h"

namespace lorp {

namespace {

// Bytes to reserve for a page: a generous share per area (a bordered area
// writes about 300) plus its text, which escaping can at most double.
std::size_t expected_size(const AreaTree& tree, AreaId page) {
    std::size_t size = 0;
    std::vector<AreaId> pending{page};
    while (!pending.empty()) {
        const AreaId id = pending.back();
        pending.pop_back();
        size += 128;
        if (const std::string* text = tree.get(id).text()) {
            size += 2 * text->size();
        }
        for (auto child = tree.first_child(id); child; child = tree.next_sibling(*child)) {
            pending.push_back(*child);
        }
    }
    return size;
}

// An area whose children are being drawn.
struct Frame {
    std::optional<AreaId> next_child;
    std::int64_t x = 0;  // absolute top-left corner, millipoints, y downward
    std::int64_t y = 0;
    bool clipped = false;
    TextSpacing spacing_at_clip;  // restored by the clip's "Q"
};

class PageDrawing {
public:
    PageDrawing(const AreaTree& tree, const ResourceMaps& resources, PdfPage& page)
        : tree_(tree), resources_(resources), page_(page), out_(page.content) {}

    void draw(AreaId page_area) {
        stack_.push_back(Frame{tree_.first_child(page_area), 0, 0, false, {}});
        while (!stack_.empty()) {
            Frame& top = stack_.back();
            if (top.next_child) {
                const AreaId child = *top.next_child;
                top.next_child = tree_.next_sibling(child);
                const std::int64_t x = top.x;
                const std::int64_t y = top.y;
                draw_area(child, x, y);  // may push, so top is not used after this
            } else {
                const Frame done = stack_.back();
                stack_.pop_back();
                end_clip(done.clipped, done.spacing_at_clip);
            }
        }
    }

private:
    void draw_area(AreaId id, std::int64_t parent_x, std::int64_t parent_y) {
        const Area& area = tree_.get(id);
        const TraitRecord& traits = *area.traits;
        const std::int64_t x = parent_x + area.x;
        const std::int64_t y = parent_y + area.y;
        const PageRect rect{x, page_.height - y - area.height, area.width, area.height};

        const bool clipped =
            traits.overflow == Overflow::Hidden || traits.overflow == Overflow::Scroll;
        const TextSpacing spacing_at_clip = spacing_;
        if (clipped) {
            out_.raw("q\n");
            append_rect(rect);
            out_.raw(" re W n\n");
        }
        const auto state = resources_.opacity_states.find(id);
        const bool has_state = state != resources_.opacity_states.end();
        if (traits.background_color) {
            if (has_state) {
                set_state(state->second);
            }
            out_.color(*traits.background_color).raw(" rg\n");
            if (traits.border_radii) {
                append_rounded_rectangle(out_, rect, *traits.border_radii);
                out_.raw("f\n");
            } else {
                append_rect(rect);
                out_.raw(" re f\n");
            }
        }
        if (traits.border_widths && traits.border_colors && traits.border_styles) {
            if (has_state) {
                set_state(state->second);
            }
            draw_borders(out_, rect, *traits.border_widths, *traits.border_colors,
                         *traits.border_styles, traits.border_radii);
        }

        if (draw_content(id, area, rect, x, y)) {
            stack_.push_back(Frame{tree_.first_child(id), x, y, clipped, spacing_at_clip});
        } else {
            end_clip(clipped, spacing_at_clip);
        }
    }

    // Paints what the area's kind shows; true when its children are drawn
    // next.
    bool draw_content(AreaId id, const Area& area, const PageRect& rect, std::int64_t x,
                      std::int64_t y) {
        const TraitRecord& traits = *area.traits;
        const bool is_leader = (area.kind == AreaKind::Inline || area.kind == AreaKind::Text) &&
                               traits.leader_pattern.has_value();
        if (is_leader) {
            draw_leader(out_, area, x, y, page_.height);
            return false;
        }
        switch (area.kind) {
            case AreaKind::Inline:
                if (traits.link_destination) {
                    page_.links.push_back(link_annotation(*traits.link_destination, rect));
                }
                return true;
            case AreaKind::Text: {
                const std::string* text = area.text();
                if (text == nullptr) {
                    return false;
                }
                draw_text(out_, area, *text, x, y, page_.height, spacing_);
                if (traits.link_destination) {
                    // From the baseline up to the top of the area.
                    const std::int64_t size = traits.font_size.value_or(kDefaultFontSize);
                    const PageRect span{x, page_.height - y - size, area.width, size};
                    page_.links.push_back(link_annotation(*traits.link_destination, span));
                }
                return false;
            }
            case AreaKind::Image:
                if (const auto image = resources_.images.find(id);
                    image != resources_.images.end()) {
                    draw_image(out_, rect, image->second);
                }
                return true;
            case AreaKind::Page:
            case AreaKind::RegionBody:
            case AreaKind::RegionBefore:
            case AreaKind::RegionAfter:
            case AreaKind::RegionStart:
            case AreaKind::RegionEnd:
            case AreaKind::Block:
            case AreaKind::Footnote:
            case AreaKind::FootnoteSeparator:
            case AreaKind::Float:
                return true;
        }
        return true;
    }

    void end_clip(bool clipped, const TextSpacing& spacing_at_clip) {
        if (clipped) {
            out_.raw("Q\n");
            spacing_ = spacing_at_clip;
        }
    }

    void append_rect(const PageRect& rect) {
        out_.points(rect.x).raw(" ").points(rect.y).raw(" ");
        out_.points(rect.width).raw(" ").points(rect.height);
    }

    // Stays in force for the rest of the stream, or up to the enclosing "Q".
    void set_state(std::size_t index) {
        out_.raw("/GS").integer(static_cast<std::int64_t>(index)).raw(" gs\n");
    }

    const AreaTree& tree_;
    const ResourceMaps& resources_;
    PdfPage& page_;
    ContentStream out_;
    TextSpacing spacing_;
    std::vector<Frame> stack_;
};

}  // namespace

PdfPage draw_page(const AreaTree& tree, AreaId page, const ResourceMaps& resources) {
    PdfPage result;
    const Area& area = tree.get(page);
    result.width = area.width;
    result.height = area.height;
    result.content.reserve(expected_size(tree, page));
    PageDrawing(tree, resources, result).draw(page);
    return result;
}

}  // namespace lorp
