#pragma once

#include <cstddef>
#include <string_view>

namespace lorp {

// Length of the text once Unicode White_Space (line feeds, form feeds and
// no-break spaces included) is dropped from its end. Invalid UTF-8 is kept.
std::size_t length_without_trailing_space(std::string_view text);

// The text without Unicode White_Space at either end.
std::string_view trim_white_space(std::string_view text);

}  // namespace lorp
