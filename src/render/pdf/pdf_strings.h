#pragma once

#include <string>
#include <string_view>

namespace lorp {

// "(" text ")" as a PDF literal string: backslash, both parentheses, carriage
// return and line feed are escaped; every other byte passes through.
void append_literal_string(std::string& out, std::string_view text);

// "<" two upper-case hexadecimal digits per byte ">".
void append_hex_string(std::string& out, std::string_view bytes);

}  // namespace lorp
