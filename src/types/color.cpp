#include "types/color.h"

namespace lorp {

namespace {
struct NamedColor {
    std::string_view name;
    Color color;
};

constexpr NamedColor kNamedColors[] = {
    {"black", {0, 0, 0, 255}},       {"white", {255, 255, 255, 255}},
    {"red", {255, 0, 0, 255}},       {"green", {0, 255, 0, 255}},
    {"lime", {0, 255, 0, 255}},      {"blue", {0, 0, 255, 255}},
    {"yellow", {255, 255, 0, 255}},  {"cyan", {0, 255, 255, 255}},
    {"aqua", {0, 255, 255, 255}},    {"magenta", {255, 0, 255, 255}},
    {"fuchsia", {255, 0, 255, 255}}, {"gray", {128, 128, 128, 255}},
    {"grey", {128, 128, 128, 255}},  {"silver", {192, 192, 192, 255}},
    {"maroon", {128, 0, 0, 255}},    {"olive", {128, 128, 0, 255}},
    {"navy", {0, 0, 128, 255}},      {"teal", {0, 128, 128, 255}},
    {"purple", {128, 0, 128, 255}},  {"orange", {255, 165, 0, 255}},
    {"transparent", {0, 0, 0, 0}},
};
static_assert(std::size(kNamedColors) == 21);

int hex_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool read_hex_byte(std::string_view pair, std::uint8_t& out) {
    int high = hex_value(pair[0]);
    int low = hex_value(pair[1]);
    if (high < 0 || low < 0) {
        return false;
    }
    out = static_cast<std::uint8_t>(high * 16 + low);
    return true;
}

char ascii_lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equals_ignoring_case(std::string_view text, std::string_view lower_name) {
    if (text.size() != lower_name.size()) {
        return false;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ascii_lower(text[i]) != lower_name[i]) {
            return false;
        }
    }
    return true;
}

void append_hex_byte(std::string& out, std::uint8_t byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}
}  // namespace

std::optional<Color> parse_color(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    if (text[0] == '#') {
        if (text.size() != 7 && text.size() != 9) {
            return std::nullopt;
        }
        Color color;
        std::uint8_t* channels[] = {&color.red, &color.green, &color.blue, &color.alpha};
        std::size_t pairs = (text.size() - 1) / 2;
        for (std::size_t i = 0; i < pairs; ++i) {
            if (!read_hex_byte(text.substr(1 + 2 * i, 2), *channels[i])) {
                return std::nullopt;
            }
        }
        return color;
    }
    for (const NamedColor& named : kNamedColors) {
        if (equals_ignoring_case(text, named.name)) {
            return named.color;
        }
    }
    return std::nullopt;
}

std::string display(Color color) {
    std::string out = "Color(#";
    append_hex_byte(out, color.red);
    append_hex_byte(out, color.green);
    append_hex_byte(out, color.blue);
    if (color.alpha != 255) {
        append_hex_byte(out, color.alpha);
    }
    out += ')';
    return out;
}

}  // namespace lorp
