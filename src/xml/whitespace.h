#pragma once

#include <string_view>

namespace lorp {

// True for the characters with the Unicode White_Space property: U+0009 to
// U+000D, U+0020, U+0085, U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029,
// U+202F, U+205F and U+3000.
bool is_unicode_whitespace(char32_t c);

// `text` without Unicode White_Space characters at either end. Character data
// kept in the tree is trimmed this way after its references are expanded.
std::string_view trim_unicode_whitespace(std::string_view text);

// `text` without XML white space (space, tab, carriage return, line feed) at
// either end. Character data copied into foreign markup is stripped this way
// before its references are expanded.
std::string_view strip_xml_whitespace(std::string_view text);

}  // namespace lorp
