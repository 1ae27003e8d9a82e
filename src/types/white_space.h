#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace lorp {

// White space is Unicode's White_Space set read from UTF-8 (tab to carriage
// return, blank, U+0085, U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029,
// U+202F, U+205F, U+3000). Bytes that are not valid UTF-8 are never white space.

// The byte length of the white-space character starting at `pos`, or 0.
std::size_t white_space_length_at(std::string_view text, std::size_t pos);

// `text` without its leading and trailing white space.
std::string_view trim_white_space(std::string_view text);

// The pieces of `text` between runs of white space; empty pieces are dropped.
std::vector<std::string_view> split_white_space(std::string_view text);

}  // namespace lorp
