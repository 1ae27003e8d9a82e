#include "render/text/text_renderer.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "types/number_text.h"
#include "types/white_space.h"

namespace lorp {

namespace {

constexpr std::string_view kRule = "----------------------------------------";
static_assert(kRule.size() == 40);

struct Frame {
    AreaId area;
    std::optional<AreaId> next_child;
    std::size_t mark;  // buffer length when a header or footer began
};

class TextWriter {
public:
    TextWriter(const AreaTree& tree, std::string& out) : tree_(tree), out_(out) {}

    // Depth first over the page with an explicit stack: the nesting depth is
    // the document's to choose.
    void render_page(AreaId page) {
        enter(page);
        while (!stack_.empty()) {
            Frame& top = stack_.back();
            if (top.next_child) {
                const AreaId child = *top.next_child;
                top.next_child = tree_.next_sibling(child);
                enter(child);
            } else {
                const Frame done = top;
                stack_.pop_back();
                leave(done);
            }
        }
    }

private:
    void enter(AreaId id) {
        const Area& area = tree_.get(id);
        switch (area.kind) {
            case AreaKind::Text:
                if (const std::string* text = area.text()) {
                    out_ += *text;
                }
                break;
            case AreaKind::Image:
                if (std::holds_alternative<ImageContent>(area.content)) {
                    out_ += "[IMAGE]";
                    return;  // the marker stands for the image's content
                }
                break;
            case AreaKind::Footnote:
                out_ += "\n[Footnote] ";
                break;
            case AreaKind::FootnoteSeparator:
                out_ += "\n---\n";
                break;
            case AreaKind::Page:
            case AreaKind::RegionBody:
            case AreaKind::RegionBefore:
            case AreaKind::RegionAfter:
            case AreaKind::RegionStart:
            case AreaKind::RegionEnd:
            case AreaKind::Block:
            case AreaKind::Inline:
            case AreaKind::Float:
                break;
        }
        stack_.push_back(Frame{id, tree_.first_child(id), out_.size()});
    }

    void leave(const Frame& frame) {
        switch (tree_.get(frame.area).kind) {
            case AreaKind::Block:
            case AreaKind::Footnote:
                out_ += '\n';
                break;
            case AreaKind::RegionBefore:
            case AreaKind::RegionAfter:
                finish_rule_region(frame);
                break;
            case AreaKind::Page:
            case AreaKind::RegionBody:
            case AreaKind::RegionStart:
            case AreaKind::RegionEnd:
            case AreaKind::Inline:
            case AreaKind::Text:
            case AreaKind::Image:
            case AreaKind::FootnoteSeparator:
            case AreaKind::Float:
                break;
        }
    }

    // A header or footer is cut out of the buffer, trimmed, and written back
    // with its rule; one with only white space leaves no trace.
    void finish_rule_region(const Frame& frame) {
        const std::string text(trim_white_space(std::string_view(out_).substr(frame.mark)));
        out_.resize(frame.mark);
        if (text.empty()) {
            return;
        }
        if (tree_.get(frame.area).kind == AreaKind::RegionBefore) {
            out_ += text;
            out_ += '\n';
            out_ += kRule;
            out_ += '\n';
        } else {
            out_ += kRule;
            out_ += '\n';
            out_ += text;
            out_ += '\n';
        }
    }

    const AreaTree& tree_;
    std::string& out_;
    std::vector<Frame> stack_;
};

}  // namespace

std::string render_text(const AreaTree& tree) {
    std::string out;
    TextWriter writer(tree, out);
    std::int64_t page_number = 0;
    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind != AreaKind::Page) {
            continue;
        }
        ++page_number;
        if (page_number > 1) {
            out += "\f--- Page ";
            append_integer(out, page_number);
            out += " ---\n\n";
        }
        writer.render_page(id);
    }
    // Only the end is trimmed: the trimmed view's end is where the trailing
    // white space starts.
    const std::string_view kept = trim_white_space(out);
    if (kept.empty()) {
        return std::string();
    }
    out.resize(static_cast<std::size_t>(kept.data() + kept.size() - out.data()));
    out += '\n';
    return out;
}

}  // namespace lorp
