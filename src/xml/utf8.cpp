#include "xml/utf8.h"

#include <cstring>

namespace lorp {

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::uint64_t kLowBits = 0x0101010101010101ull;

// Eight ASCII bytes, none of them NUL.
bool plain_ascii(const unsigned char* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return ((v | ((v - kLowBits) & ~v)) & kHighBits) == 0;
}

bool continuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the well-formed sequence at `p` (at most `left` bytes
// available), or 0.
std::size_t sequence_length(const unsigned char* p, std::size_t left) {
    unsigned char c = p[0];
    if (c < 0x80) {
        return c == 0 ? 0 : 1;
    }
    if (c < 0xC2) {
        return 0;  // continuation byte or overlong two-byte form
    }
    if (c < 0xE0) {
        return left >= 2 && continuation(p[1]) ? 2 : 0;
    }
    if (c < 0xF0) {
        if (left < 3 || !continuation(p[1]) || !continuation(p[2])) {
            return 0;
        }
        if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0)) {
            return 0;  // overlong, or a surrogate
        }
        return 3;
    }
    if (c < 0xF5) {
        if (left < 4 || !continuation(p[1]) || !continuation(p[2]) || !continuation(p[3])) {
            return 0;
        }
        if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] >= 0x90)) {
            return 0;  // overlong, or above U+10FFFF
        }
        return 4;
    }
    return 0;
}

}  // namespace

std::size_t find_invalid_utf8(std::string_view text) {
    const auto* begin = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* p = begin;
    const unsigned char* end = begin + text.size();
    while (p < end) {
        if (end - p >= 8 && plain_ascii(p)) {
            p += 8;
            continue;
        }
        std::size_t n = sequence_length(p, static_cast<std::size_t>(end - p));
        if (n == 0) {
            return static_cast<std::size_t>(p - begin);
        }
        p += n;
    }
    return std::string_view::npos;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        char b[2] = {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 2);
    } else if (c < 0x10000) {
        char b[3] = {static_cast<char>(0xE0 | (c >> 12)),
                     static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                     static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 3);
    } else {
        char b[4] = {
            static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
            static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
        out.append(b, 4);
    }
}

char32_t decode_utf8(std::string_view text, std::size_t pos, std::size_t& length) {
    const auto* p = reinterpret_cast<const unsigned char*>(text.data()) + pos;
    std::size_t n = pos < text.size() ? sequence_length(p, text.size() - pos) : 0;
    switch (n) {
        case 1:
            length = 1;
            return p[0];
        case 2:
            length = 2;
            return (char32_t(p[0] & 0x1F) << 6) | (p[1] & 0x3F);
        case 3:
            length = 3;
            return (char32_t(p[0] & 0x0F) << 12) | (char32_t(p[1] & 0x3F) << 6) | (p[2] & 0x3F);
        case 4:
            length = 4;
            return (char32_t(p[0] & 0x07) << 18) | (char32_t(p[1] & 0x3F) << 12) |
                   (char32_t(p[2] & 0x3F) << 6) | (p[3] & 0x3F);
        default:
            // A NUL byte decodes as itself; anything else malformed as U+FFFD.
            length = 1;
            return pos < text.size() && p[0] == 0 ? U'\0' : U'\uFFFD';
    }
}

}  // namespace lorp
