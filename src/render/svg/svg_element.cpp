#include "render/svg/svg_element.h"

#include "render/svg/xml_text.h"
#include "types/number_text.h"

namespace lorp {

SvgElement::SvgElement(std::string_view name) : name_(name) {
    out_ += '<';
    out_ += name;
}

std::string& SvgElement::begin(std::string_view key) {
    out_ += ' ';
    out_ += key;
    out_ += "=\"";
    return out_;
}

SvgElement& SvgElement::length(std::string_view key, std::int64_t millipoints) {
    append_shortest(begin(key), static_cast<double>(millipoints) / 1000.0);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::number(std::string_view key, double value) {
    append_shortest(begin(key), value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::integer(std::string_view key, std::int64_t value) {
    append_integer(begin(key), value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::color(std::string_view key, Color color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string& out = begin(key);
    out += '#';
    for (std::uint8_t part : {color.red, color.green, color.blue}) {
        out += kDigits[part >> 4];
        out += kDigits[part & 15];
    }
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::text(std::string_view key, std::string_view value) {
    append_xml_text(begin(key), value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::raw(std::string_view key, std::string_view value) {
    begin(key) += value;
    out_ += '"';
    return *this;
}

std::string SvgElement::start_tag() {
    out_ += '>';
    return std::move(out_);
}

std::string SvgElement::empty() {
    out_ += " />";
    return std::move(out_);
}

std::string SvgElement::empty_without_blank() {
    out_ += "/>";
    return std::move(out_);
}

std::string SvgElement::with_text(std::string_view content) {
    out_ += '>';
    append_xml_text(out_, content);
    out_ += "</";
    out_ += name_;
    out_ += '>';
    return std::move(out_);
}

}  // namespace lorp
