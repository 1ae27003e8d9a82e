#include "xml/whitespace.h"

#include "xml/utf8.h"

namespace lorp {

bool is_unicode_whitespace(char32_t c) {
    if (c <= 0x20) {
        return c == 0x20 || (c >= 0x09 && c <= 0x0D);
    }
    if (c < 0x85) {
        return false;
    }
    return c == 0x85 || c == 0xA0 || c == 0x1680 || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 ||
           c == 0x2029 || c == 0x202F || c == 0x205F || c == 0x3000;
}

std::string_view trim_unicode_whitespace(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t length;
        if (!is_unicode_whitespace(decode_utf8(text, begin, length))) {
            break;
        }
        begin += length;
    }
    std::size_t end = text.size();
    while (end > begin) {
        // Back up to the lead byte of the last character (at most four bytes).
        std::size_t lead = end - 1;
        while (lead > begin && end - lead < 4 &&
               (static_cast<unsigned char>(text[lead]) & 0xC0) == 0x80) {
            --lead;
        }
        std::size_t length;
        char32_t c = decode_utf8(text, lead, length);
        if (lead + length != end || !is_unicode_whitespace(c)) {
            break;
        }
        end = lead;
    }
    return text.substr(begin, end - begin);
}

std::string_view strip_xml_whitespace(std::string_view text) {
    constexpr std::string_view kXmlSpace = " \t\r\n";
    std::size_t begin = text.find_first_not_of(kXmlSpace);
    if (begin == std::string_view::npos) {
        return text.substr(text.size());
    }
    std::size_t end = text.find_last_not_of(kXmlSpace);
    return text.substr(begin, end + 1 - begin);
}

}  // namespace lorp
