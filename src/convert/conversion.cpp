#include "convert/conversion.h"

#include <utility>

#include "fo/builder.h"
#include "layout/layout.h"
#include "layout/layout_config.h"
#include "render/pdf/pdf_renderer.h"
#include "render/pdf/pdf_writer.h"
#include "render/svg/svg_renderer.h"
#include "render/text/text_renderer.h"

namespace lorp {

namespace {

// Everything after the parse for one format: layout set-up and layout, then
// the format's renderer and, for PDF, the writer.
using Renderer = Result<std::string> (*)(const AreaTree& areas);

Result<std::string> render_pdf_file(const AreaTree& areas) {
    Result<PdfDocument> document = render_pdf(areas, FontFileMap{});
    if (!document.ok()) {
        return std::move(document).error();
    }
    return write_pdf(std::move(document).value());
}

Result<std::string> render_svg_document(const AreaTree& areas) { return render_svg(areas); }

Result<std::string> render_text_document(const AreaTree& areas) { return render_text(areas); }

Renderer renderer_for(OutputFormat format) {
    switch (format) {
        case OutputFormat::Pdf:
            return render_pdf_file;
        case OutputFormat::Svg:
            return render_svg_document;
        case OutputFormat::Text:
            return render_text_document;
    }
    return nullptr;
}

ConversionError missing_back_end(OutputFormat format) {
    std::string message(format_name(format));
    message += " conversion is not available in this build (no ";
    message += format_name(format);
    message += " layout and renderer)";
    return ConversionError::generic(std::move(message));
}

}  // namespace

Result<std::string> convert(std::string_view fo_xml, OutputFormat format) {
    Result<FoTree> tree = build_fo_tree(fo_xml);
    if (!tree.ok()) {
        return std::move(tree).error();
    }
    const Renderer renderer = renderer_for(format);
    if (renderer == nullptr) {
        return missing_back_end(format);
    }
    const LayoutConfig config;
    Result<AreaTree> areas = layout(tree.value(), config);
    if (!areas.ok()) {
        return std::move(areas).error();
    }
    return renderer(areas.value());
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

bool back_end_available(OutputFormat format) {
    return renderer_for(format) != nullptr;
}

}  // namespace lorp
