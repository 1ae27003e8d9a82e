#include "xml/attribute_scanner.h"

#include <cstring>
#include <utility>

namespace lorp {

namespace {

bool is_xml_space(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool is_name_start(char c) {
    auto u = static_cast<unsigned char>(c);
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || u == '_' || u == ':' || u >= 0x80;
}

bool is_name_char(char c) {
    return is_name_start(c) || (c >= '0' && c <= '9') || c == '-' || c == '.';
}

}  // namespace

AttributeScanner::AttributeScanner(const XmlItem& start_tag)
    : pos_(start_tag.raw_tag.data() + start_tag.name.size()),
      end_(start_tag.raw_tag.data() + start_tag.raw_tag.size()) {}

bool AttributeScanner::fail(std::string description, const char* at) {
    failure_ = std::move(description);
    failure_at_ = at;
    pos_ = end_;
    return false;
}

bool AttributeScanner::next(RawAttribute& out) {
    const char* p = pos_;
    const bool spaced = p < end_ && is_xml_space(*p);
    while (p < end_ && is_xml_space(*p)) {
        ++p;
    }
    if (p >= end_) {
        pos_ = end_;
        return false;
    }
    if (!is_name_start(*p)) {
        return fail(std::string("invalid attribute name starting with '") + *p + "'", p);
    }
    const char* name_begin = p;
    while (p < end_ && is_name_char(*p)) {
        ++p;
    }
    const std::string_view name(name_begin, static_cast<std::size_t>(p - name_begin));
    if (!spaced) {
        // The tag name, or the previous value, runs straight into this name.
        return fail("missing whitespace before attribute " + std::string(name), name_begin);
    }
    while (p < end_ && is_xml_space(*p)) {
        ++p;
    }
    if (p >= end_ || *p != '=') {
        return fail("attribute " + std::string(name) + " has no value", p);
    }
    ++p;
    while (p < end_ && is_xml_space(*p)) {
        ++p;
    }
    if (p >= end_ || (*p != '"' && *p != '\'')) {
        return fail("value of attribute " + std::string(name) + " is not quoted", p);
    }
    const char quote = *p++;
    const void* close = std::memchr(p, quote, static_cast<std::size_t>(end_ - p));
    if (close == nullptr) {
        return fail("value of attribute " + std::string(name) + " is not closed", p);
    }
    const char* value_end = static_cast<const char*>(close);
    out.name = name;
    out.value = std::string_view(p, static_cast<std::size_t>(value_end - p));
    pos_ = value_end + 1;
    return true;
}

}  // namespace lorp
