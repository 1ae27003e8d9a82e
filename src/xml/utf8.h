#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lorp {

// The first byte of `text` that does not belong to a well-formed UTF-8
// sequence (overlong forms, surrogates and values above U+10FFFF included) or
// that is a NUL byte, or npos when there is none.
std::size_t find_invalid_utf8(std::string_view text);

// Appends the UTF-8 encoding of a Unicode scalar value.
void append_utf8(std::string& out, char32_t code_point);

// Decodes the well-formed sequence starting at `text[pos]` and sets `length` to
// its byte count. Returns U+FFFD with length 1 for a malformed sequence.
char32_t decode_utf8(std::string_view text, std::size_t pos, std::size_t& length);

}  // namespace lorp
