#include "render/text/white_space.h"

#include <cstdint>

namespace lorp {

namespace {

bool is_white_space(char32_t c) {
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680 ||
           (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F ||
           c == 0x205F || c == 0x3000;
}

// Decodes the code point that starts at text[i]; len = its byte count, 0 when
// the bytes there are not a well-formed sequence.
char32_t decode_at(std::string_view text, std::size_t i, std::size_t& len) {
    const auto b0 = static_cast<std::uint8_t>(text[i]);
    std::size_t n = b0 < 0x80           ? 1
                    : (b0 >> 5) == 0x6  ? 2
                    : (b0 >> 4) == 0xE  ? 3
                    : (b0 >> 3) == 0x1E ? 4
                                        : 0;
    if (n == 0 || i + n > text.size()) {
        len = 0;
        return 0;
    }
    char32_t c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<std::uint8_t>(text[i + k]);
        if ((b & 0xC0) != 0x80) {
            len = 0;
            return 0;
        }
        c = (c << 6) | (b & 0x3F);
    }
    len = n;
    return c;
}

}  // namespace

std::size_t length_without_trailing_space(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0) {
        // Step back to the lead byte of the last code point (at most 4 bytes).
        std::size_t start = end - 1;
        while (start > 0 && end - start < 4 &&
               (static_cast<std::uint8_t>(text[start]) & 0xC0) == 0x80) {
            --start;
        }
        std::size_t len = 0;
        const char32_t c = decode_at(text, start, len);
        if (len == 0 || start + len != end || !is_white_space(c)) {
            break;
        }
        end = start;
    }
    return end;
}

std::string_view trim_white_space(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t len = 0;
        const char32_t c = decode_at(text, begin, len);
        if (len == 0 || !is_white_space(c)) {
            break;
        }
        begin += len;
    }
    text.remove_prefix(begin);
    return text.substr(0, length_without_trailing_space(text));
}

}  // namespace lorp
