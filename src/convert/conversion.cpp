#include "convert/conversion.h"

#include <utility>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "fo/builder.h"
#include "layout/layout.h"
#include "layout/layout_config.h"
#include "render/pdf/pdf_renderer.h"
#include "render/pdf/pdf_writer.h"
#include "render/svg/svg_renderer.h"
#include "render/text/text_renderer.h"

namespace lorp {

namespace {

// Each page is drawn straight into the file as the writer reaches it.
Result<std::string> write_pdf_file(const AreaTree& areas) {
    Result<DeferredPdf> pdf = render_pdf_deferred(areas, FontFileMap{});
    if (!pdf.ok()) {
        return std::move(pdf).error();
    }
    return write_pdf(std::move(pdf->document), *pdf->contents);
}

// The FO tree is released before any output is made: the area tree holds
// everything the renderers read.
Result<AreaTree> lay_out_document(std::string_view fo_xml) {
    Result<FoTree> tree = build_fo_tree(fo_xml);
    if (!tree.ok()) {
        return std::move(tree).error();
    }
    const LayoutConfig config;
    return layout(tree.value(), config);
}

// The FO tree's many small blocks, freed, stay with the allocator, while a
// PDF or SVG file is one large new block: hand the free pages back to the
// system first, so the file does not come on top of them. A plain-text file
// is small beside the area tree, so it skips this.
void release_free_memory() {
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

}  // namespace

Result<std::string> convert(std::string_view fo_xml, OutputFormat format) {
    Result<AreaTree> areas = lay_out_document(fo_xml);
    if (!areas.ok()) {
        return std::move(areas).error();
    }
    switch (format) {
        case OutputFormat::Text:
            return render_text(areas.value());
        case OutputFormat::Svg:
        case OutputFormat::Pdf:
            break;
    }
    release_free_memory();
    return format == OutputFormat::Svg ? render_svg(areas.value()) : write_pdf_file(areas.value());
}

Result<std::string> convert_to_pdf(std::string_view fo_xml) {
    return convert(fo_xml, OutputFormat::Pdf);
}

Result<std::string> convert_to_svg(std::string_view fo_xml) {
    return convert(fo_xml, OutputFormat::Svg);
}

Result<std::string> convert_to_text(std::string_view fo_xml) {
    return convert(fo_xml, OutputFormat::Text);
}

}  // namespace lorp
