#include "xml/text_location.h"

#include <algorithm>
#include <functional>
#include <limits>

namespace lorp {

namespace {

std::uint32_t clamp32(std::size_t n) {
    return static_cast<std::uint32_t>(
        std::min<std::size_t>(n, std::numeric_limits<std::uint32_t>::max()));
}

}  // namespace

Location location_at(std::string_view document, std::size_t offset) {
    offset = std::min(offset, document.size());
    std::size_t start = 0;
    if (document.substr(0, 3) == "\xEF\xBB\xBF" && offset >= 3) {
        start = 3;
    }
    std::size_t line = 1;
    std::size_t line_start = start;
    const char* base = document.data();
    for (std::size_t i = start; i < offset; ++i) {
        char c = base[i];
        if (c == '\n' || (c == '\r' && (i + 1 >= offset || base[i + 1] != '\n'))) {
            ++line;
            line_start = i + 1;
        }
    }
    std::size_t column = 1;
    for (std::size_t i = line_start; i < offset; ++i) {
        if ((static_cast<unsigned char>(base[i]) & 0xC0) != 0x80) {
            ++column;
        }
    }
    return Location{clamp32(line), clamp32(column)};
}

std::size_t offset_in(std::string_view document, std::string_view part) {
    std::less_equal<const char*> le;
    if (le(document.data(), part.data()) &&
        le(part.data() + part.size(), document.data() + document.size())) {
        return static_cast<std::size_t>(part.data() - document.data());
    }
    return document.size();
}

ConversionError reader_failure(std::string_view document, std::size_t offset,
                               std::string_view description) {
    std::string message = "XML parsing error: ";
    message += description;
    return ConversionError::xml_located(std::move(message), location_at(document, offset));
}

}  // namespace lorp
