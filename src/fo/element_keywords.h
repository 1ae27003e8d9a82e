#pragma once

#include <cstdint>
#include <string_view>

namespace lorp {

// The small keyword enumerations the element factory reads. Each member but
// the fallback is selected by exactly one value; anything else, including an
// empty value or another letter case, selects the fallback.

enum class PagePosition : std::uint8_t { First, Last, Rest, Any };
enum class OddOrEven : std::uint8_t { Odd, Even, Any };
enum class BlankOrNotBlank : std::uint8_t { Blank, NotBlank, Any };
enum class RetrievePosition : std::uint8_t {
    FirstStartingWithinPage,
    FirstIncludingCarryover,
    LastStartingWithinPage,
    LastEndingWithinPage,
};

PagePosition parse_page_position(std::string_view value);
OddOrEven parse_odd_or_even(std::string_view value);
BlankOrNotBlank parse_blank_or_not_blank(std::string_view value);
RetrievePosition parse_retrieve_position(std::string_view value);

}  // namespace lorp
