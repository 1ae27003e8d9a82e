#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "layout/area/area.h"
#include "render/pdf/content_stream.h"

namespace lorp {

// The size of text whose area sets none.
inline constexpr std::int32_t kDefaultFontSize = 12000;

// Character and word spacing of a content stream's text state, in points.
// They stay in force across text objects, so the stream remembers what it
// last set; "Q" brings back what was in force at the matching "q".
struct TextSpacing {
    double character = 0;
    double word = 0;
    friend bool operator==(const TextSpacing&, const TextSpacing&) = default;
};

// One run of text in the built-in Helvetica (/F1): the fill colour of the
// area's colour (black by default), then a text object at the area's left
// edge with its baseline one font size (12pt by default) below the area's top.
// Letter and word spacing above 0.0001pt set "Tc" and "Tw"; a run without
// spacing resets a spacing still in force to 0. The text is shown as
// Windows-1252 bytes, "?" for a character that code page lacks. (x, top) is
// the area's absolute top-left corner and page_height the page's height, all
// in millipoints with y downward.
void draw_text(ContentStream& out, const Area& area, std::string_view text, std::int64_t x,
               std::int64_t top, std::int64_t page_height, TextSpacing& spacing);

}  // namespace lorp
