#include "convert/conversion.h"

#include <utility>

#include "fo/builder.h"

namespace lorp {

namespace {

// Everything after the parse for one format: layout, rendering and, for PDF,
// writing the file. A format whose stages are not built yet has no back end.
using BackEnd = Result<std::string> (*)(const FoTree& tree);

BackEnd back_end_for(OutputFormat format) {
    switch (format) {
        case OutputFormat::Pdf:
            return nullptr;
        case OutputFormat::Svg:
            return nullptr;
        case OutputFormat::Text:
            return nullptr;
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
    const BackEnd back_end = back_end_for(format);
    if (back_end == nullptr) {
        return missing_back_end(format);
    }
    return back_end(tree.value());
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
    return back_end_for(format) != nullptr;
}

}  // namespace lorp
