#include "render/pdf/pdf_strings.h"

namespace lorp {

void append_literal_string(std::string& out, std::string_view text) {
    out += '(';
    for (char c : text) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '(':
                out += "\\(";
                break;
            case ')':
                out += "\\)";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            default:
                out += c;
        }
    }
    out += ')';
}

void append_hex_string(std::string& out, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += '<';
    for (char c : bytes) {
        auto byte = static_cast<unsigned char>(c);
        out += kDigits[byte >> 4];
        out += kDigits[byte & 0x0F];
    }
    out += '>';
}

}  // namespace lorp
