#include "render/pdf/area_drawing.h"

#include <optional>
#include <string>
#include <utility>
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

bool is_leader(const Area& area) {
    return (area.kind == AreaKind::Inline || area.kind == AreaKind::Text) &&
           area.traits->leader_pattern.has_value();
}

// Leaders and text runs are drawn whole; every other area's children are
// drawn after it.
bool has_drawn_children(const Area& area) {
    return !is_leader(area) && area.kind != AreaKind::Text;
}

// The annotation an Inline or Text area with a link destination adds, at
// the absolute top-left corner x, y (millipoints, y downward).
std::optional<LinkAnnotation> area_link(const Area& area, std::int64_t x, std::int64_t y,
                                        std::int64_t page_height) {
    const TraitRecord& traits = *area.traits;
    if (!traits.link_destination || is_leader(area)) {
        return std::nullopt;
    }
    if (area.kind == AreaKind::Inline) {
        return link_annotation(*traits.link_destination,
                               PageRect{x, page_height - y - area.height, area.width, area.height});
    }
    if (area.kind == AreaKind::Text && area.text() != nullptr) {
        // From the baseline up to the top of the area.
        const std::int64_t size = traits.font_size.value_or(kDefaultFontSize);
        return link_annotation(*traits.link_destination,
                               PageRect{x, page_height - y - size, area.width, size});
    }
    return std::nullopt;
}

// Calls visit(area, x, y) for every area below page in drawing order, with
// the area's absolute top-left corner.
template <class Visit>
void walk_page(const AreaTree& tree, AreaId page, Visit&& visit) {
    struct Cursor {
        std::optional<AreaId> next;
        std::int64_t x;
        std::int64_t y;
    };
    std::vector<Cursor> stack{{tree.first_child(page), 0, 0}};
    while (!stack.empty()) {
        Cursor& top = stack.back();
        if (!top.next) {
            stack.pop_back();
            continue;
        }
        const AreaId id = *top.next;
        top.next = tree.next_sibling(id);
        const Area& area = tree.get(id);
        const std::int64_t x = top.x + area.x;
        const std::int64_t y = top.y + area.y;
        visit(area, x, y);
        if (has_drawn_children(area)) {
            stack.push_back({tree.first_child(id), x, y});  // top is not used after this
        }
    }
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
    PageDrawing(const AreaTree& tree, const ResourceMaps& resources, std::int64_t page_height,
                std::string& out)
        : tree_(tree), resources_(resources), page_height_(page_height), out_(out) {}

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
        const PageRect rect{x, page_height_ - y - area.height, area.width, area.height};

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
        if (is_leader(area)) {
            draw_leader(out_, area, x, y, page_height_);
            return false;
        }
        switch (area.kind) {
            case AreaKind::Inline:
                return true;
            case AreaKind::Text:
                if (const std::string* text = area.text()) {
                    draw_text(out_, area, *text, x, y, page_height_, spacing_);
                }
                return false;
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
    std::int64_t page_height_;
    ContentStream out_;
    TextSpacing spacing_;
    std::vector<Frame> stack_;
};

}  // namespace

PageSurvey survey_page(const AreaTree& tree, AreaId page) {
    PageSurvey survey;
    const Area& page_area = tree.get(page);
    survey.page.width = page_area.width;
    survey.page.height = page_area.height;
    walk_page(tree, page, [&](const Area& area, std::int64_t x, std::int64_t y) {
        survey.expected_content_size += 128;
        if (const std::string* text = area.text()) {
            survey.expected_content_size += 2 * text->size();
        }
        if (std::optional<LinkAnnotation> link = area_link(area, x, y, page_area.height)) {
            survey.page.links.push_back(std::move(*link));
        }
    });
    return survey;
}

void append_page_content(const AreaTree& tree, AreaId page, const ResourceMaps& resources,
                         std::string& out) {
    PageDrawing(tree, resources, tree.get(page).height, out).draw(page);
}

}  // namespace lorp
