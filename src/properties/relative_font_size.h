#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "types/length.h"

namespace lorp {

// The nine "font-size" keywords. The attribute pass stores them as written and
// they are resolved where the size is read (see PropertyList::font_size).
enum class RelativeFontSize : std::uint8_t {
    Larger,
    Smaller,
    XxSmall,
    XSmall,
    Small,
    Medium,
    Large,
    XLarge,
    XxLarge,
};

// The keyword of an attribute text ("x-large"), exact and case-sensitive.
std::optional<RelativeFontSize> relative_font_size_from_keyword(std::string_view text);

// The keyword as written in documents ("x-large").
std::string_view relative_font_size_keyword(RelativeFontSize size);

// The diagnostic name ("XLarge").
std::string_view relative_font_size_name(RelativeFontSize size);

// The fixed size of an absolute keyword; nothing for Larger and Smaller, which
// depend on the parent's size.
std::optional<Length> absolute_font_size(RelativeFontSize size);

// Larger and Smaller scale the parent's size by this factor.
inline constexpr double kRelativeFontSizeStep = 1.2;

}  // namespace lorp
