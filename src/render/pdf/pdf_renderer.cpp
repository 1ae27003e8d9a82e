#include "render/pdf/pdf_renderer.h"

#include <utility>
#include <vector>

#include "render/pdf/area_drawing.h"
#include "render/pdf/image_resources.h"
#include "render/pdf/opacity_states.h"
#include "render/pdf/resource_maps.h"

namespace lorp {

namespace {

// One page of the tree: its Page area and the guessed size of its content.
struct PageToDraw {
    AreaId area;
    std::size_t expected_size;
};

// Draws the pages of a tree for the writer.
class AreaPageContents final : public PageContents {
public:
    AreaPageContents(const AreaTree& tree, ResourceMaps resources, std::vector<PageToDraw> pages)
        : tree_(tree), resources_(std::move(resources)), pages_(std::move(pages)) {}

    void append(std::size_t index, std::string& out) const override {
        append_page_content(tree_, pages_[index].area, resources_, out);
    }
    std::size_t expected_size(std::size_t index) const override {
        return pages_[index].expected_size;
    }

private:
    const AreaTree& tree_;
    ResourceMaps resources_;
    std::vector<PageToDraw> pages_;
};

}  // namespace

Result<DeferredPdf> render_pdf_deferred(const AreaTree& tree, const FontFileMap& font_files) {
    // Embedding a family from font_files needs the TrueType reader; until
    // then every family falls back to Helvetica, as an unreadable file would.
    (void)font_files;

    PdfDocument document;
    document.version = "1.4";
    document.title = "LORP Generated PDF";
    ResourceMaps resources;
    if (Status images = register_images(tree, document.images, resources.images); !images.ok()) {
        return std::move(images).error();
    }
    register_opacity_states(tree, document.ext_gstates, resources.opacity_states);

    std::vector<PageToDraw> pages;
    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind == AreaKind::Page) {
            PageSurvey survey = survey_page(tree, id);
            document.pages.push_back(std::move(survey.page));
            pages.push_back({id, survey.expected_content_size});
        }
    }
    return DeferredPdf{std::move(document), std::make_unique<AreaPageContents>(
                                                tree, std::move(resources), std::move(pages))};
}

Result<PdfDocument> render_pdf(const AreaTree& tree, const FontFileMap& font_files) {
    Result<DeferredPdf> pdf = render_pdf_deferred(tree, font_files);
    if (!pdf.ok()) {
        return std::move(pdf).error();
    }
    for (std::size_t i = 0; i < pdf->document.pages.size(); ++i) {
        std::string& content = pdf->document.pages[i].content;
        content.reserve(pdf->contents->expected_size(i));
        pdf->contents->append(i, content);
    }
    return std::move(pdf->document);
}

}  // namespace lorp
