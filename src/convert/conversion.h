#pragma once

#include <string>
#include <string_view>

#include "convert/output_format.h"
#include "error/result.h"

namespace lorp {

// One conversion, start to end: parse `fo_xml` into its tree, lay it out and
// render it. Everything built on the way is released before returning; the
// first failing stage's error is returned unchanged.
Result<std::string> convert(std::string_view fo_xml, OutputFormat format);

// The complete PDF file.
Result<std::string> convert_to_pdf(std::string_view fo_xml);
// One SVG document, UTF-8.
Result<std::string> convert_to_svg(std::string_view fo_xml);
// Plain UTF-8 text.
Result<std::string> convert_to_text(std::string_view fo_xml);

}  // namespace lorp
