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

Result<std::string> write_pdf_file(const AreaTree& areas) {
    Result<PdfDocument> document = render_pdf(areas, FontFileMap{});
    if (!document.ok()) {
        return std::move(document).error();
    }
    return write_pdf(std::move(document).value());
}

}  // namespace

Result<std::string> convert(std::string_view fo_xml, OutputFormat format) {
    Result<FoTree> tree = build_fo_tree(fo_xml);
    if (!tree.ok()) {
        return std::move(tree).error();
    }
    const LayoutConfig config;
    Result<AreaTree> areas = layout(tree.value(), config);
    if (!areas.ok()) {
        return std::move(areas).error();
    }
    switch (format) {
        case OutputFormat::Pdf:
            break;
        case OutputFormat::Svg:
            return render_svg(areas.value());
        case OutputFormat::Text:
            return render_text(areas.value());
    }
    return write_pdf_file(areas.value());
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
