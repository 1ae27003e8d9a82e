#include "types/white_space.h"

namespace lorp {

namespace {
unsigned char byte_at(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]);
}

// The byte length of the white-space character ending at `end` (exclusive), or 0.
std::size_t white_space_length_before(std::string_view text, std::size_t end) {
    for (std::size_t length = 1; length <= 3 && length <= end; ++length) {
        if (white_space_length_at(text, end - length) == length) {
            return length;
        }
    }
    return 0;
}
}  // namespace

std::size_t white_space_length_at(std::string_view text, std::size_t pos) {
    if (pos >= text.size()) {
        return 0;
    }
    unsigned char lead = byte_at(text, pos);
    if ((lead >= 0x09 && lead <= 0x0D) || lead == 0x20) {
        return 1;
    }
    std::size_t rest = text.size() - pos;
    if (lead == 0xC2 && rest >= 2) {
        unsigned char next = byte_at(text, pos + 1);
        return next == 0x85 || next == 0xA0 ? 2 : 0;
    }
    if (rest < 3) {
        return 0;
    }
    unsigned char second = byte_at(text, pos + 1);
    unsigned char third = byte_at(text, pos + 2);
    switch (lead) {
        case 0xE1:  // U+1680
            return second == 0x9A && third == 0x80 ? 3 : 0;
        case 0xE2:
            if (second == 0x80) {  // U+2000..U+200A, U+2028, U+2029, U+202F
                bool space = (third >= 0x80 && third <= 0x8A) || third == 0xA8 || third == 0xA9 ||
                             third == 0xAF;
                return space ? 3 : 0;
            }
            return second == 0x81 && third == 0x9F ? 3 : 0;  // U+205F
        case 0xE3:                                           // U+3000
            return second == 0x80 && third == 0x80 ? 3 : 0;
        default:
            return 0;
    }
}

std::string_view trim_white_space(std::string_view text) {
    std::size_t begin = 0;
    while (std::size_t length = white_space_length_at(text, begin)) {
        begin += length;
    }
    std::size_t end = text.size();
    while (end > begin) {
        std::size_t length = white_space_length_before(text, end);
        if (length == 0) {
            break;
        }
        end -= length;
    }
    return text.substr(begin, end - begin);
}

std::vector<std::string_view> split_white_space(std::string_view text) {
    std::vector<std::string_view> pieces;
    std::size_t pos = 0;
    std::size_t start = 0;
    while (pos < text.size()) {
        if (std::size_t length = white_space_length_at(text, pos)) {
            if (pos > start) {
                pieces.push_back(text.substr(start, pos - start));
            }
            pos += length;
            start = pos;
        } else {
            ++pos;
        }
    }
    if (pos > start) {
        pieces.push_back(text.substr(start, pos - start));
    }
    return pieces;
}

}  // namespace lorp
