#include "render/pdf/pdf_renderer.h"

#include <utility>
#include <vector>

#include "render/pdf/area_drawing.h"
#include "render/pdf/image_resources.h"
#include "render/pdf/opacity_states.h"
#include "render/pdf/resource_maps.h"

namespace lorp {

namespace {

// Draws the pages of a tree for the writer.
class AreaPageContents final : public PageContents {
public:
    AreaPageContents(const AreaTree& tree, ResourceMaps resources, std::vector<AreaId> pages)
        : tree_(tree), resources_(std::move(resources)), pages_(std::move(pages)) {}

    void append(std::size_t index, std::string& out) const override {
        append_page_content(tree_, pages_[index], resources_, out);
    }
    std::size_t expected_size(std::size_t index) const override {
        return expected_content_size(tree_, pages_[index]);
    }

private:
    const AreaTree& tree_;
    ResourceMaps resources_;
    std::vector<AreaId> pages_;
};

// The document with its shared resources, before any page.
Result<PdfDocument> begin_document(const AreaTree& tree, ResourceMaps& resources) {
    PdfDocument document;
    document.version = "1.4";
    document.title = "LORP Generated PDF";
    if (Status images = register_images(tree, document.images, resources.images); !images.ok()) {
        return std::move(images).error();
    }
    register_opacity_states(tree, document.ext_gstates, resources.opacity_states);
    return document;
}

std::vector<AreaId> page_areas(const AreaTree& tree) {
    std::vector<AreaId> pages;
    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind == AreaKind::Page) {
            pages.push_back(id);
        }
    }
    return pages;
}

}  // namespace

Result<PdfDocument> render_pdf(const AreaTree& tree, const FontFileMap& font_files) {
    // Embedding a family from font_files needs the TrueType reader; until
    // then every family falls back to Helvetica, as an unreadable file would.
    (void)font_files;

    ResourceMaps resources;
    Result<PdfDocument> document = begin_document(tree, resources);
    if (!document.ok()) {
        return document;
    }
    for (AreaId page : page_areas(tree)) {
        document->pages.push_back(draw_page(tree, page, resources));
    }
    return document;
}

Result<DeferredPdf> render_pdf_deferred(const AreaTree& tree, const FontFileMap& font_files) {
    (void)font_files;  // as in render_pdf

    ResourceMaps resources;
    Result<PdfDocument> document = begin_document(tree, resources);
    if (!document.ok()) {
        return std::move(document).error();
    }
    std::vector<AreaId> pages = page_areas(tree);
    for (AreaId id : pages) {
        PdfPage page;
        page.width = tree.get(id).width;
        page.height = tree.get(id).height;
        page.links = page_links(tree, id);
        document->pages.push_back(std::move(page));
    }
    return DeferredPdf{
        std::move(document).value(),
        std::make_unique<AreaPageContents>(tree, std::move(resources), std::move(pages))};
}

}  // namespace lorp
