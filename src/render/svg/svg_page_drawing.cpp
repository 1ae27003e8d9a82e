#include "render/svg/svg_page_drawing.h"

#include <optional>

#include "render/svg/svg_element.h"

namespace lorp {

namespace {

constexpr std::int32_t kDefaultFontSize = 12000;
constexpr std::int32_t kDefaultRuleThickness = 500;

struct Box {
    std::int64_t x = 0;  // absolute top-left corner, millipoints, y downward
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

SvgElement& rect(SvgElement& element, const Box& box) {
    element.length("x", box.x).length("y", box.y);
    element.length("width", box.width).length("height", box.height);
    return element;
}

void add_opacity(SvgElement& element, const TraitRecord& traits) {
    if (traits.opacity && *traits.opacity != 1) {
        element.number("opacity", *traits.opacity);
    }
}

// One line: the group's start tag, left open, with the clip path inline.
void clip_start(std::string& out, const Box& box, const std::string& id) {
    out += "<g clip-path=\"url(#";
    out += id;
    out += ")\">";
    out += "<defs>";
    SvgElement(out, "clipPath").raw("id", id).start_tag();
    SvgElement clip_rect(out, "rect");
    rect(clip_rect, box).empty_without_blank();
    out += "</clipPath></defs>";
}

void background(std::string& out, const Box& box, const TraitRecord& traits) {
    SvgElement element(out, "rect");
    rect(element, box);
    element.color("fill", *traits.background_color);
    add_opacity(element, traits);
    if (traits.border_radii && (*traits.border_radii)[0] > 0) {
        element.length("rx", (*traits.border_radii)[0]);
    }
    element.empty();
}

void text_run(std::string& out, const Box& box, const TraitRecord& traits,
              const std::string& text) {
    const std::int64_t size = traits.font_size.value_or(kDefaultFontSize);
    SvgElement element(out, "text");
    element.length("x", box.x).length("y", box.y + size).length("font-size", size);
    element.color("fill", traits.color.value_or(Color{}));
    if (traits.font_family && !traits.font_family->empty()) {
        element.text("font-family", *traits.font_family);
    }
    if (traits.font_weight && *traits.font_weight != 400) {
        element.integer("font-weight", *traits.font_weight);
    }
    if (traits.font_style == FontStyle::Italic || traits.font_style == FontStyle::Oblique) {
        element.raw("font-style", "italic");
    }
    if (traits.text_decoration) {
        std::string words;
        for (auto [set, word] : {std::pair{traits.text_decoration->underline, "underline"},
                                 std::pair{traits.text_decoration->overline, "overline"},
                                 std::pair{traits.text_decoration->line_through, "line-through"}}) {
            if (set) {
                words += words.empty() ? "" : " ";
                words += word;
            }
        }
        if (!words.empty()) {
            element.raw("text-decoration", words);
        }
    }
    element.with_text(text);
}

void leader_rule(std::string& out, const Box& box, const TraitRecord& traits) {
    const std::int64_t thickness = traits.rule_thickness.value_or(kDefaultRuleThickness);
    // Each half in whole millipoints, the remainder dropped.
    const std::int64_t y = box.y + thickness / 2 + (box.height - thickness) / 2;
    SvgElement element(out, "line");
    element.length("x1", box.x).length("y1", y).length("x2", box.x + box.width).length("y2", y);
    element.color("stroke", traits.color.value_or(Color{})).length("stroke-width", thickness);
    if (traits.rule_style == "dashed") {
        element.raw("stroke-dasharray", "5,5");
    } else if (traits.rule_style == "dotted") {
        element.raw("stroke-dasharray", "2,2");
    }
    element.empty();
}

struct Frame {
    std::optional<AreaId> next_child;
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool clipped = false;
};

class SvgPageDrawing {
public:
    SvgPageDrawing(const AreaTree& tree, const ImageUris& images, ClipIds& clip_ids,
                   std::string_view indent, std::string& out)
        : tree_(tree), images_(images), clip_ids_(clip_ids), indent_(indent), out_(out) {}

    void draw(AreaId page) {
        stack_.push_back(Frame{tree_.first_child(page), 0, 0, false});
        while (!stack_.empty()) {
            Frame& top = stack_.back();
            if (top.next_child) {
                const AreaId child = *top.next_child;
                top.next_child = tree_.next_sibling(child);
                const std::int64_t x = top.x;
                const std::int64_t y = top.y;
                draw_area(child, x, y);  // may push, so top is not used after this
            } else {
                const bool clipped = top.clipped;
                stack_.pop_back();
                end_clip(clipped);
            }
        }
    }

private:
    // Every element (or clip group start) is a line of its own.
    std::string& begin_line() {
        out_ += indent_;
        return out_;
    }
    void end_line() { out_ += '\n'; }

    void draw_area(AreaId id, std::int64_t parent_x, std::int64_t parent_y) {
        const Area& area = tree_.get(id);
        const TraitRecord& traits = *area.traits;
        const Box box{parent_x + area.x, parent_y + area.y, area.width, area.height};

        const bool clipped =
            traits.overflow == Overflow::Hidden || traits.overflow == Overflow::Scroll;
        if (clipped) {
            clip_start(begin_line(), box, clip_ids_.next(box.x, box.y));
            end_line();
        }
        if (traits.background_color) {
            background(begin_line(), box, traits);
            end_line();
        }
        if (traits.border_widths && traits.border_colors && traits.border_styles) {
            border_sides(box, traits);
        }
        if (draw_content(id, area, box)) {
            stack_.push_back(Frame{tree_.first_child(id), box.x, box.y, clipped});
        } else {
            end_clip(clipped);
        }
    }

    void border_sides(const Box& box, const TraitRecord& traits) {
        const SideLengths& widths = *traits.border_widths;
        const SideStyles& styles = *traits.border_styles;
        const SideColors& colors = *traits.border_colors;
        // Top, right, bottom, left, each a rectangle along the inside of the box.
        const Box sides[4] = {
            {box.x, box.y, box.width, widths[0]},
            {box.x + box.width - widths[1], box.y, widths[1], box.height},
            {box.x, box.y + box.height - widths[2], box.width, widths[2]},
            {box.x, box.y, widths[3], box.height},
        };
        for (int side = 0; side < 4; ++side) {
            if (widths[side] <= 0 || styles[side] == BorderStyle::None ||
                styles[side] == BorderStyle::Hidden) {
                continue;
            }
            SvgElement element(begin_line(), "rect");
            rect(element, sides[side]);
            element.color("fill", colors[side]).raw("stroke", "none");
            add_opacity(element, traits);
            element.empty();
            end_line();
        }
    }

    // Draws what the area's kind shows; true when its children are drawn next.
    bool draw_content(AreaId id, const Area& area, const Box& box) {
        const TraitRecord& traits = *area.traits;
        switch (area.kind) {
            case AreaKind::Text:
            case AreaKind::Inline:
                if (traits.leader_pattern) {
                    if (traits.leader_pattern == "rule") {
                        leader_rule(begin_line(), box, traits);
                        end_line();
                    }
                    return false;
                }
                if (area.kind == AreaKind::Inline) {
                    return true;
                }
                // A Text area shows its text and nothing below it.
                if (const std::string* text = area.text()) {
                    text_run(begin_line(), box, traits, *text);
                    end_line();
                }
                return false;
            case AreaKind::Image:
                if (const auto uri = images_.find(id); uri != images_.end()) {
                    SvgElement element(begin_line(), "image");
                    element.length("x", box.x).length("y", box.y);
                    element.length("width", box.width).length("height", box.height);
                    element.raw("href", uri->second);
                    element.empty();
                    end_line();
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

    void end_clip(bool clipped) {
        if (clipped) {
            begin_line() += "</g>";
            end_line();
        }
    }

    const AreaTree& tree_;
    const ImageUris& images_;
    ClipIds& clip_ids_;
    std::string_view indent_;
    std::string& out_;
    std::vector<Frame> stack_;
};

}  // namespace

void draw_svg_page(const AreaTree& tree, AreaId page, const ImageUris& images, ClipIds& clip_ids,
                   std::string_view indent, std::string& out) {
    SvgPageDrawing(tree, images, clip_ids, indent, out).draw(page);
}

}  // namespace lorp
