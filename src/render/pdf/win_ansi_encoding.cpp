#include "render/pdf/win_ansi_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace lorp {

namespace {

struct Mapping {
    char32_t code_point;
    unsigned char byte;
};

// The characters Windows-1252 places in 0x80..0x9F, by code point. Everything
// else it holds is U+0000..U+007F and U+00A0..U+00FF at the same value.
constexpr std::array<Mapping, 27> kHighMappings{{
    {0x0152, 0x8C}, {0x0153, 0x9C}, {0x0160, 0x8A}, {0x0161, 0x9A}, {0x0178, 0x9F}, {0x017D, 0x8E},
    {0x017E, 0x9E}, {0x0192, 0x83}, {0x02C6, 0x88}, {0x02DC, 0x98}, {0x2013, 0x96}, {0x2014, 0x97},
    {0x2018, 0x91}, {0x2019, 0x92}, {0x201A, 0x82}, {0x201C, 0x93}, {0x201D, 0x94}, {0x201E, 0x84},
    {0x2020, 0x86}, {0x2021, 0x87}, {0x2022, 0x95}, {0x2026, 0x85}, {0x2030, 0x89}, {0x2039, 0x8B},
    {0x203A, 0x9B}, {0x20AC, 0x80}, {0x2122, 0x99},
}};
static_assert(std::is_sorted(kHighMappings.begin(), kHighMappings.end(),
                             [](Mapping a, Mapping b) { return a.code_point < b.code_point; }));

constexpr char kReplacement = '?';

char to_byte(char32_t code_point) {
    if (code_point < 0x80 || (code_point >= 0xA0 && code_point <= 0xFF)) {
        return static_cast<char>(code_point);
    }
    auto it = std::lower_bound(
        kHighMappings.begin(), kHighMappings.end(), code_point,
        [](Mapping mapping, char32_t value) { return mapping.code_point < value; });
    if (it != kHighMappings.end() && it->code_point == code_point) {
        return static_cast<char>(it->byte);
    }
    return kReplacement;
}

// Decodes one well-formed UTF-8 sequence at text[i]; returns its length, or 0
// when the bytes there are not one (overlong forms and surrogates included).
std::size_t decode(std::string_view text, std::size_t i, char32_t& code_point) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    std::size_t length;
    char32_t value;
    char32_t minimum;
    if (lead < 0x80) {
        code_point = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, value = lead & 0x1F, minimum = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, value = lead & 0x0F, minimum = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, value = lead & 0x07, minimum = 0x10000;
    } else {
        return 0;
    }
    if (text.size() - i < length) {
        return 0;
    }
    for (std::size_t k = 1; k < length; ++k) {
        unsigned char next = byte(i + k);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        value = (value << 6) | (next & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return 0;
    }
    code_point = value;
    return length;
}

}  // namespace

void append_win_ansi(std::string& out, std::string_view utf8) {
    out.reserve(out.size() + utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        char32_t code_point = 0;
        std::size_t length = decode(utf8, i, code_point);
        if (length == 0) {
            out += kReplacement;
            ++i;
            continue;
        }
        out += to_byte(code_point);
        i += length;
    }
}

std::string to_win_ansi(std::string_view utf8) {
    std::string out;
    append_win_ansi(out, utf8);
    return out;
}

}  // namespace lorp
