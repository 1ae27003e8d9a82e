#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "types/color.h"

namespace lorp {

// The text of one element: "<" name, then per attribute a blank, the name,
// "=" and the value in double quotes, in the order the calls are made. One of
// the closing calls hands the text out; the element is spent after it.
class SvgElement {
public:
    explicit SvgElement(std::string_view name);

    // A length in millipoints, in points in the shortest form: 12500 -> "12.5".
    SvgElement& length(std::string_view key, std::int64_t millipoints);
    // A real number in the shortest form.
    SvgElement& number(std::string_view key, double value);
    SvgElement& integer(std::string_view key, std::int64_t value);
    // "#rrggbb" in lower case; alpha is not written.
    SvgElement& color(std::string_view key, Color color);
    // Text from the document, escaped for XML.
    SvgElement& text(std::string_view key, std::string_view value);
    // A value the renderer made itself that needs no escaping.
    SvgElement& raw(std::string_view key, std::string_view value);

    // Only the start tag, closed with ">"; the content and end tag follow.
    std::string start_tag();
    // Closes the element as empty: " />".
    std::string empty();
    // Closes the start tag with "/>", no blank (the rectangle of a clip path).
    std::string empty_without_blank();
    // ">", the escaped text, and the end tag.
    std::string with_text(std::string_view content);

private:
    std::string& begin(std::string_view key);

    std::string_view name_;
    std::string out_;
};

}  // namespace lorp
