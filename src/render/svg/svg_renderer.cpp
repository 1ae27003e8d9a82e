#include "render/svg/svg_renderer.h"

#include <string_view>
#include <vector>

#include "render/svg/data_uri.h"
#include "render/svg/svg_element.h"
#include "render/svg/svg_page_drawing.h"
#include "types/huge_pages.h"
#include "types/number_text.h"

namespace lorp {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr std::string_view kXlinkNamespace = "http://www.w3.org/1999/xlink";

Result<ImageUris> image_uris(const AreaTree& tree) {
    ImageUris uris;
    for (AreaId id = 0; id < tree.size(); ++id) {
        const Area& area = tree.get(id);
        const auto* image = std::get_if<ImageContent>(&area.content);
        if (area.kind != AreaKind::Image || image == nullptr) {
            continue;
        }
        Result<std::string> uri = image_data_uri(image->bytes);
        if (!uri.ok()) {
            return std::move(uri).error();
        }
        uris.emplace(id, std::move(uri).value());
    }
    return uris;
}

// A guess at the bytes an area's lines take: the lines of a text
// run, a background, border sides and a clip group are each some dozens of
// bytes of markup around their numbers.
std::size_t expected_size(const Area& area) {
    const TraitRecord& traits = *area.traits;
    std::size_t size = 0;
    if (const std::string* text = area.text()) {
        size += 96 + text->size();
    }
    if (traits.background_color) {
        size += 80;
    }
    if (traits.border_widths) {
        size += 4 * 80;
    }
    if (traits.overflow != Overflow::Unset) {
        size += 160;
    }
    return size;
}

void page_start_tag(std::string& out, const Area& page) {
    std::string view_box = "0 0 ";
    append_shortest(view_box, page.width / 1000.0);
    view_box += ' ';
    append_shortest(view_box, page.height / 1000.0);
    SvgElement element(out, "svg");
    element.raw("xmlns", kSvgNamespace).raw("xmlns:xlink", kXlinkNamespace);
    element.length("width", page.width).length("height", page.height);
    element.raw("viewBox", view_box).start_tag();
}

}  // namespace

Result<std::string> render_svg(const AreaTree& tree) {
    Result<ImageUris> images = image_uris(tree);
    if (!images.ok()) {
        return std::move(images).error();
    }
    std::vector<AreaId> pages;
    std::size_t size = 256;
    for (AreaId id = 0; id < tree.size(); ++id) {
        const Area& area = tree.get(id);
        if (area.kind == AreaKind::Page) {
            pages.push_back(id);
        }
        size += expected_size(area);
    }
    for (const auto& [id, uri] : *images) {
        size += uri.size();
    }

    ClipIds clip_ids;
    std::string out;
    // Reserved once: a document of many megabytes would otherwise be copied
    // at every doubling and fault in each new buffer.
    out.reserve(size);
    advise_huge_pages(out.data(), out.capacity());
    out += kDeclaration;
    if (pages.empty()) {
        SvgElement(out, "svg").raw("xmlns", kSvgNamespace).empty();
        return out;
    }
    if (pages.size() == 1) {
        out += '\n';
        page_start_tag(out, tree.get(pages[0]));
        out += '\n';
        draw_svg_page(tree, pages[0], *images, clip_ids, "  ", out);
        out += "</svg>";
        return out;
    }
    out += '\n';
    SvgElement(out, "svg")
        .raw("xmlns", kSvgNamespace)
        .raw("xmlns:xlink", kXlinkNamespace)
        .start_tag();
    out += '\n';
    std::string id;
    for (std::size_t n = 0; n < pages.size(); ++n) {
        out += "  ";
        id = "page-";
        append_integer(id, static_cast<std::int64_t>(n + 1));
        SvgElement(out, "g").raw("id", id).start_tag();
        out += '\n';
        draw_svg_page(tree, pages[n], *images, clip_ids, "      ", out);
        out += "  </g>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace lorp
