#include "convert/output_format.h"

namespace lorp {

namespace {

// The last component of a path that is a name: trailing separators and "."
// components do not count, and "..", a bare root or an empty path have none.
std::string_view file_name(std::string_view path) {
    std::size_t end = path.size();
    for (;;) {
        while (end > 0 && path[end - 1] == '/') {
            --end;
        }
        if (end == 0) {
            return {};
        }
        const std::size_t slash = path.find_last_of('/', end - 1);
        const std::size_t begin = slash == std::string_view::npos ? 0 : slash + 1;
        const std::string_view component = path.substr(begin, end - begin);
        if (component == "..") {
            return {};
        }
        if (component != ".") {
            return component;
        }
        end = begin;
    }
}

// The text after the last dot, unless that dot starts the name; a name ending
// in a dot has the empty extension.
std::string_view extension(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) {
        return {};
    }
    return name.substr(dot + 1);
}

}  // namespace

std::string_view format_name(OutputFormat format) {
    switch (format) {
        case OutputFormat::Pdf:
            return "PDF";
        case OutputFormat::Svg:
            return "SVG";
        case OutputFormat::Text:
            return "text";
    }
    return "PDF";
}

OutputFormat output_format_for(std::string_view output_path) {
    const std::string_view ext = extension(file_name(output_path));
    if (ext == "svg") {
        return OutputFormat::Svg;
    }
    if (ext == "txt") {
        return OutputFormat::Text;
    }
    return OutputFormat::Pdf;
}

}  // namespace lorp
