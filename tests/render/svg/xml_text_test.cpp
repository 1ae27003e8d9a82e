#include "render/svg/xml_text.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

TEST(XmlText, EscapesMarkupAndReplacesWhatXmlCannotCarry) {
    const std::string fffd = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"plain text", "plain text"},
        {"a & b < c > d \" e ' f", "a &amp; b &lt; c &gt; d &quot; e &apos; f"},
        {"&amp;", "&amp;amp;"},
        {"tab\tline\nreturn\r", "tab\tline\nreturn\r"},
        {std::string("nul\0x", 5), "nul" + fffd + "x"},
        {"\x01\x08\x0B\x0C\x0E\x1F", fffd + fffd + fffd + fffd + fffd + fffd},
        {"\x7F\xC2\x80", "\x7F\xC2\x80"},  // DEL and C1 controls are allowed
        {"\xEF\xBF\xBE|\xEF\xBF\xBF|\xEF\xBF\xBD", fffd + "|" + fffd + "|" + fffd},
        {"Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80", "Caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80"},
        // Malformed UTF-8: each stray byte becomes one replacement.
        {"a\xC3", "a" + fffd},
        {"\xC3(", fffd + "("},
        {"\xC0\xAF", fffd + fffd},                        // overlong
        {"\xED\xA0\x80", fffd + fffd + fffd},             // surrogate
        {"\xF4\x90\x80\x80", fffd + fffd + fffd + fffd},  // above U+10FFFF
        {"\xFF", fffd},
    };
    for (const auto& [input, expected] : cases) {
        std::string out = "<";
        append_xml_text(out, input);
        EXPECT_EQ(out, "<" + expected) << input;
    }
}
}  // namespace
}  // namespace lorp
