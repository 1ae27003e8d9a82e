#include "render/svg/svg_renderer.h"

#include <string_view>
#include <vector>

#include "render/svg/data_uri.h"
#include "render/svg/svg_element.h"
#include "render/svg/svg_page_drawing.h"
#include "types/number_text.h"

namespace lorp {

namespace {

constexpr std::string_view kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr std::string_view kXlinkNamespace = "http://www.w3.org/1999/xlink";

struct PageElements {
    const Area* page;
    std::vector<std::string> elements;
};

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

std::string page_start_tag(const Area& page) {
    std::string view_box = "0 0 ";
    append_shortest(view_box, page.width / 1000.0);
    view_box += ' ';
    append_shortest(view_box, page.height / 1000.0);
    SvgElement element("svg");
    element.raw("xmlns", kSvgNamespace).raw("xmlns:xlink", kXlinkNamespace);
    element.length("width", page.width).length("height", page.height);
    return std::move(element).raw("viewBox", view_box).start_tag();
}

}  // namespace

Result<std::string> render_svg(const AreaTree& tree) {
    Result<ImageUris> images = image_uris(tree);
    if (!images.ok()) {
        return std::move(images).error();
    }
    ClipIds clip_ids;
    std::vector<PageElements> pages;
    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind == AreaKind::Page) {
            pages.push_back({&tree.get(id), draw_svg_page(tree, id, *images, clip_ids)});
        }
    }

    // The document is the elements plus a few dozen bytes per line and page.
    std::size_t size = 256;
    for (const PageElements& page : pages) {
        size += 256;
        for (const std::string& element : page.elements) {
            size += element.size() + 8;
        }
    }
    std::string out;
    out.reserve(size);
    out += kDeclaration;
    if (pages.empty()) {
        out += SvgElement("svg").raw("xmlns", kSvgNamespace).empty();
        return out;
    }
    if (pages.size() == 1) {
        out += '\n';
        out += page_start_tag(*pages[0].page);
        out += '\n';
        for (const std::string& element : pages[0].elements) {
            out += "  ";
            out += element;
            out += '\n';
        }
        out += "</svg>";
        return out;
    }
    out += '\n';
    out += SvgElement("svg")
               .raw("xmlns", kSvgNamespace)
               .raw("xmlns:xlink", kXlinkNamespace)
               .start_tag();
    out += '\n';
    for (std::size_t n = 0; n < pages.size(); ++n) {
        out += "  ";
        std::string id = "page-";
        append_integer(id, static_cast<std::int64_t>(n + 1));
        out += SvgElement("g").raw("id", id).start_tag();
        out += '\n';
        for (const std::string& element : pages[n].elements) {
            out += "      ";
            out += element;
            out += '\n';
        }
        out += "  </g>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace lorp
