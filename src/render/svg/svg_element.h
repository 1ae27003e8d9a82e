#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "types/color.h"

namespace lorp {

// Writes the text of one element straight onto the end of an output buffer:
// "<" name, then per attribute a blank, the name, "=" and the value in double
// quotes, in the order the calls are made. One of the closing calls ends the
// element; it is spent after it. Nothing is buffered on the way, so an
// element costs no allocation of its own.
class SvgElement {
public:
    SvgElement(std::string& out, std::string_view name);

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
    void start_tag();
    // Closes the element as empty: " />".
    void empty();
    // Closes the start tag with "/>", no blank (the rectangle of a clip path).
    void empty_without_blank();
    // ">", the escaped text, and the end tag.
    void with_text(std::string_view content);

private:
    void begin(std::string_view key);

    std::string& out_;
    std::string_view name_;
};

}  // namespace lorp
