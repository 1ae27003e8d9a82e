#include "render/svg/svg_element.h"

#include "render/svg/xml_text.h"
#include "types/number_text.h"

namespace lorp {

SvgElement::SvgElement(std::string& out, std::string_view name) : out_(out), name_(name) {
    out_ += '<';
    out_ += name;
}

void SvgElement::begin(std::string_view key) {
    out_ += ' ';
    out_ += key;
    out_ += "=\"";
}

SvgElement& SvgElement::length(std::string_view key, std::int64_t millipoints) {
    begin(key);
    append_shortest(out_, static_cast<double>(millipoints) / 1000.0);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::number(std::string_view key, double value) {
    begin(key);
    append_shortest(out_, value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::integer(std::string_view key, std::int64_t value) {
    begin(key);
    append_integer(out_, value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::color(std::string_view key, Color color) {
    static constexpr char kDigits[] = "0123456789abcdef";
    begin(key);
    const char text[8] = {'#',
                          kDigits[color.red >> 4],
                          kDigits[color.red & 15],
                          kDigits[color.green >> 4],
                          kDigits[color.green & 15],
                          kDigits[color.blue >> 4],
                          kDigits[color.blue & 15],
                          '"'};
    out_.append(text, sizeof text);
    return *this;
}

SvgElement& SvgElement::text(std::string_view key, std::string_view value) {
    begin(key);
    append_xml_text(out_, value);
    out_ += '"';
    return *this;
}

SvgElement& SvgElement::raw(std::string_view key, std::string_view value) {
    begin(key);
    out_ += value;
    out_ += '"';
    return *this;
}

void SvgElement::start_tag() {
    out_ += '>';
}

void SvgElement::empty() {
    out_ += " />";
}

void SvgElement::empty_without_blank() {
    out_ += "/>";
}

void SvgElement::with_text(std::string_view content) {
    out_ += '>';
    append_xml_text(out_, content);
    out_ += "</";
    out_ += name_;
    out_ += '>';
}

}  // namespace lorp
