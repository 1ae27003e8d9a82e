#include "render/svg/xml_text.h"

#include <cstdint>

namespace lorp {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

// The length of the well-formed UTF-8 sequence at the start of text and its
// scalar value, or length 0 when the first byte does not begin one.
struct Decoded {
    std::size_t length = 0;
    char32_t scalar = 0;
};

Decoded decode(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    const std::uint8_t lead = byte(0);
    if (lead < 0x80) {
        return {1, lead};
    }
    std::size_t length;
    char32_t scalar;
    char32_t minimum;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, scalar = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, scalar = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, scalar = lead & 0x07, minimum = 0x10000;
    } else {
        return {};
    }
    if (text.size() < length) {
        return {};
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) {
            return {};
        }
        scalar = (scalar << 6) | (byte(i) & 0x3F);
    }
    if (scalar < minimum || scalar > 0x10FFFF || (scalar >= 0xD800 && scalar <= 0xDFFF)) {
        return {};
    }
    return {length, scalar};
}

bool allowed_in_xml(char32_t c) {
    if (c < 0x20) {
        return c == '\t' || c == '\n' || c == '\r';
    }
    return c != 0xFFFE && c != 0xFFFF;
}

}  // namespace

void append_xml_text(std::string& out, std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        const Decoded d = decode(utf8.substr(i));
        if (d.length == 0 || !allowed_in_xml(d.scalar)) {
            out += kReplacement;
            i += d.length == 0 ? 1 : d.length;
            continue;
        }
        switch (d.scalar) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                out.append(utf8, i, d.length);
        }
        i += d.length;
    }
}

}  // namespace lorp
