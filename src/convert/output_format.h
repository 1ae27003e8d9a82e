#pragma once

#include <string_view>

namespace lorp {

// The three things a document can be converted to.
enum class OutputFormat { Pdf, Svg, Text };

// "PDF", "SVG" or "text", for messages.
std::string_view format_name(OutputFormat format);

// The format convert_file writes to `output_path`, chosen from the extension of
// its last component: exactly "svg" gives SVG, exactly "txt" gives text, and
// everything else (no extension, another spelling or case, a hidden name such
// as ".svg", "..") gives PDF.
OutputFormat output_format_for(std::string_view output_path);

}  // namespace lorp
