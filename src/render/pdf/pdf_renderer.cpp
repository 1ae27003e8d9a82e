#include "render/pdf/pdf_renderer.h"

#include "render/pdf/area_drawing.h"
#include "render/pdf/image_resources.h"
#include "render/pdf/opacity_states.h"
#include "render/pdf/resource_maps.h"

namespace lorp {

Result<PdfDocument> render_pdf(const AreaTree& tree, const FontFileMap& font_files) {
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

    for (AreaId id = 0; id < tree.size(); ++id) {
        if (tree.get(id).kind == AreaKind::Page) {
            document.pages.push_back(draw_page(tree, id, resources));
        }
    }
    return document;
}

}  // namespace lorp
