// The text procedure through render_pdf: placement, size, colour, the
// Windows-1252 string and the spacing state of the stream.
#include "render/pdf/text_drawing.h"

#include <gtest/gtest.h>

#include "render/pdf/render_test_support.h"

namespace lorp {
namespace {

using render_test::content;
using render_test::PageTree;
using render_test::text_area;

std::string text_object(std::string_view string, std::string_view spacing = "") {
    return "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n" + std::string(spacing) + "0 780 Td\n" +
           std::string(string) + " Tj\nET\n";
}

TEST(TextDrawing, DefaultSizeAndColourAtTheAreaTop) {
    PageTree t;
    t.child(text_area(72000, 72000, "Hello"));
    EXPECT_EQ(content(t.tree), "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n72 708 Td\n(Hello) Tj\nET\n");
}

TEST(TextDrawing, SizeColourAndPositionsInShortestForm) {
    PageTree t;
    Area area = text_area(10250, 20000, "x");
    TraitRecord& area_traits = area.traits.edit();
    area_traits.font_size = 10500;
    area_traits.color = Color{0, 128, 255, 0};
    area_traits.font_family = "Times";  // every standard-font text is Helvetica
    area_traits.font_weight = 700;
    t.child(std::move(area));
    EXPECT_EQ(content(t.tree),
              "0.000 0.502 1.000 rg\nBT\n/F1 10.5 Tf\n10.25 761.5 Td\n(x) Tj\nET\n");
}

TEST(TextDrawing, TextIsAnEscapedWindows1252String) {
    const std::pair<std::string, std::string> cases[] = {
        {"a(b", "(a\\(b)"},
        {"a)b\\c", "(a\\)b\\\\c)"},
        {"line\nfeed\rreturn", "(line\\nfeed\\rreturn)"},
        {"Caf\xC3\xA9", "(Caf\xE9)"},
        {"\xE2\x82\xAC"
         "5 \xE2\x80\x9Cq\xE2\x80\x9D",
         "(\x80"
         "5 \x93q\x94)"},
        {"\xE6\x97\xA5\xE6\x9C\xAC x", "(?? x)"},
        {"", "()"},
    };
    for (const auto& [text, string] : cases) {
        PageTree t;
        t.child(text_area(0, 0, text));
        EXPECT_EQ(content(t.tree), text_object(string)) << text;
    }
}

TEST(TextDrawing, SpacingAboveATenThousandthOfAPoint) {
    struct Case {
        std::optional<std::int32_t> letter;
        std::optional<std::int32_t> word;
        const char* spacing;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, ""},      {0, 0, ""},
        {1, std::nullopt, "0.0010 Tc\n"},      {500, std::nullopt, "0.5000 Tc\n"},
        {-250, std::nullopt, "-0.2500 Tc\n"},  {std::nullopt, 3000, "3.0000 Tw\n"},
        {1500, -1, "1.5000 Tc\n-0.0010 Tw\n"},
    };
    for (const Case& c : cases) {
        PageTree t;
        Area area = text_area(0, 0, "s");
        area.traits.edit().letter_spacing = c.letter;
        area.traits.edit().word_spacing = c.word;
        t.child(std::move(area));
        EXPECT_EQ(content(t.tree), text_object("(s)", c.spacing)) << c.spacing;
    }
}

// Spacing belongs to the text state and outlives the text object, so a run
// without spacing after one with it sets it back; "Q" restores the spacing
// of its "q" by itself.
TEST(TextDrawing, SpacingOfOneRunDoesNotCarryOverToTheNext) {
    PageTree t;
    Area spaced = text_area(0, 0, "a");
    spaced.traits.edit().letter_spacing = 500;
    spaced.traits.edit().word_spacing = 1000;
    t.child(spaced);
    t.child(text_area(0, 0, "b"));
    t.child(text_area(0, 0, "c"));
    Area word_only = text_area(0, 0, "d");
    word_only.traits.edit().word_spacing = 2000;
    t.child(word_only);
    Area clip = Area::at(AreaKind::Block, 0, 0, 10000, 10000);
    clip.traits.edit().overflow = Overflow::Hidden;
    const AreaId clipped = t.child(std::move(clip));
    t.child(clipped, spaced);
    t.child(text_area(0, 0, "e"));

    EXPECT_EQ(content(t.tree), text_object("(a)", "0.5000 Tc\n1.0000 Tw\n") +
                                   text_object("(b)", "0.0000 Tc\n0.0000 Tw\n") +
                                   text_object("(c)") + text_object("(d)", "2.0000 Tw\n") +
                                   "q\n0.000 782.000 10.000 10.000 re W n\n" +
                                   text_object("(a)", "0.5000 Tc\n1.0000 Tw\n") + "Q\n" +
                                   text_object("(e)", "0.0000 Tw\n"));
}

}  // namespace
}  // namespace lorp
