#include "xml/entity_references.h"

#include <cstring>

#include "xml/text_location.h"
#include "xml/utf8.h"

namespace lorp {

namespace {

int digit_value(char c, bool hex) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (hex && c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (hex && c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The scalar value named by `digits` (after one optional "+"), or -1. Values
// beyond U+10FFFF stop growing, so a thousand digits cannot overflow.
long scalar_value(std::string_view digits, bool hex) {
    if (!digits.empty() && digits.front() == '+') {
        digits.remove_prefix(1);
    }
    if (digits.empty()) {
        return -1;
    }
    long value = 0;
    for (char c : digits) {
        int d = digit_value(c, hex);
        if (d < 0) {
            return -1;
        }
        if (value <= 0x10FFFF) {
            value = value * (hex ? 16 : 10) + d;
        }
    }
    if (value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) {
        return -1;
    }
    return value;
}

}  // namespace

std::string_view predefined_entity(std::string_view name) {
    if (name == "amp") {
        return "&";
    }
    if (name == "lt") {
        return "<";
    }
    if (name == "gt") {
        return ">";
    }
    if (name == "quot") {
        return "\"";
    }
    if (name == "apos") {
        return "'";
    }
    return {};
}

ReferenceFailure resolve_reference(std::string_view name, std::string& out) {
    if (!name.empty() && name.front() == '#') {
        bool hex = name.size() >= 2 && (name[1] == 'x' || name[1] == 'X');
        long value = scalar_value(name.substr(hex ? 2 : 1), hex);
        if (value < 0) {
            return hex ? ReferenceFailure::InvalidHexadecimal : ReferenceFailure::InvalidDecimal;
        }
        append_utf8(out, static_cast<char32_t>(value));
        return ReferenceFailure::None;
    }
    std::string_view replacement = predefined_entity(name);
    if (replacement.empty()) {
        return ReferenceFailure::UnknownEntity;
    }
    out += replacement;
    return ReferenceFailure::None;
}

Status append_expanded(std::string& out, std::string_view text, std::string_view document) {
    std::size_t pos = 0;
    while (pos < text.size()) {
        const void* amp = std::memchr(text.data() + pos, '&', text.size() - pos);
        if (amp == nullptr) {
            out.append(text.data() + pos, text.size() - pos);
            break;
        }
        std::size_t at = static_cast<std::size_t>(static_cast<const char*>(amp) - text.data());
        out.append(text.data() + pos, at - pos);
        auto place = [&] { return location_at(document, offset_in(document, text) + at); };
        std::size_t semicolon = text.find(';', at + 1);
        if (semicolon == std::string_view::npos) {
            std::string message = "Unterminated entity reference: &";
            message += text.substr(at + 1);
            return ConversionError::entity_resolution(std::move(message), place());
        }
        std::string_view name = text.substr(at + 1, semicolon - at - 1);
        switch (resolve_reference(name, out)) {
            case ReferenceFailure::None:
                break;
            case ReferenceFailure::InvalidHexadecimal:
                return ConversionError::entity_resolution(
                    "Invalid hexadecimal character reference: " + std::string(name), place());
            case ReferenceFailure::InvalidDecimal:
                return ConversionError::entity_resolution(
                    "Invalid decimal character reference: " + std::string(name), place());
            case ReferenceFailure::UnknownEntity:
                return ConversionError::entity_resolution(
                    "Unknown entity: &" + std::string(name) + ";", place());
        }
        pos = semicolon + 1;
    }
    return ok_status();
}

Result<std::string> expand_references(std::string_view text, std::string_view document) {
    std::string out;
    out.reserve(text.size());
    Status status = append_expanded(out, text, document);
    if (!status) {
        return std::move(status).error();
    }
    return out;
}

}  // namespace lorp
