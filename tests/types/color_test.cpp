#include "types/color.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

TEST(ColorTest, HexCodesAndNames) {
    const struct {
        const char* text;
        Color color;
    } cases[] = {
        {"#ff0000", {255, 0, 0, 255}},    {"#FF0000", {255, 0, 0, 255}},
        {"#ff000080", {255, 0, 0, 128}},  {"#0a0B0c", {10, 11, 12, 255}},
        {"#00000000", {0, 0, 0, 0}},      {"red", {255, 0, 0, 255}},
        {"RED", {255, 0, 0, 255}},        {"Red", {255, 0, 0, 255}},
        {"green", {0, 255, 0, 255}},      {"lime", {0, 255, 0, 255}},
        {"grey", {128, 128, 128, 255}},   {"orange", {255, 165, 0, 255}},
        {"silver", {192, 192, 192, 255}}, {"TransParent", {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        std::optional<Color> color = parse_color(c.text);
        ASSERT_TRUE(color.has_value()) << c.text;
        EXPECT_EQ(*color, c.color) << c.text;
    }
}

TEST(ColorTest, EveryNameIsKnown) {
    const char* names[] = {"black",  "white",  "red",        "green",   "lime",    "blue",
                           "yellow", "cyan",   "aqua",       "magenta", "fuchsia", "gray",
                           "grey",   "silver", "maroon",     "olive",   "navy",    "teal",
                           "purple", "orange", "transparent"};
    for (const char* name : names) {
        EXPECT_TRUE(parse_color(name).has_value()) << name;
    }
}

TEST(ColorTest, TextsThatAreNotColours) {
    const char* cases[] = {"",
                           "#",
                           "#f00",
                           "#ff00",
                           "#ff00000",
                           "#ff0000800",
                           "#gg0000",
                           "#+f0000",
                           "# ff0000",
                           "#ff 000",
                           "#\xc3\xa9\xc3\xa9\xc3\xa9",
                           "#ff\xff\xff"
                           "00",
                           " red",
                           "red ",
                           "darkred",
                           "rgb(1,2,3)",
                           "currentColor",
                           "re\xc4\x8f",
                           "f00"};
    for (const char* text : cases) {
        EXPECT_FALSE(parse_color(text).has_value()) << text;
    }
}

TEST(ColorTest, Display) {
    EXPECT_EQ(display(Color{255, 0, 0, 255}), "Color(#FF0000)");
    EXPECT_EQ(display(Color{0, 0, 255, 128}), "Color(#0000FF80)");
    EXPECT_EQ(display(Color{10, 171, 205, 0}), "Color(#0AABCD00)");
}

}  // namespace
}  // namespace lorp
