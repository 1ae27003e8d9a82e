// Borders and the rounded-rectangle path through render_pdf.
#include "render/pdf/border_drawing.h"

#include <gtest/gtest.h>

#include "render/pdf/render_test_support.h"

namespace lorp {
namespace {

using render_test::content;
using render_test::PageTree;

const Color kBlack{0, 0, 0, 255};
const Color kRed{255, 0, 0, 255};
const Color kBlue{0, 0, 255, 255};

// A block at (10pt, 20pt), 100 by 50 pt: x 10, y 722, top edge at 772.
Area bordered(SideLengths widths, SideStyles styles, SideColors colors) {
    Area area = Area::at(AreaKind::Block, 10000, 20000, 100000, 50000);
    TraitRecord& area_traits = area.traits.edit();
    area_traits.border_widths = widths;
    area_traits.border_styles = styles;
    area_traits.border_colors = colors;
    return area;
}

std::string drawn(Area area) {
    PageTree t;
    t.child(std::move(area));
    return content(t.tree);
}

TEST(BorderDrawing, EachVisibleSideIsOneLineAlongTheOuterEdge) {
    using enum BorderStyle;
    EXPECT_EQ(drawn(bordered({1000, 1000, 1000, 1000}, {Solid, Solid, Solid, Solid},
                             {kBlack, kBlack, kBlack, kBlack})),
              "0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
              "10.000 772.000 m 110.000 772.000 l S\n[] 0.000 d\n"
              "0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
              "110.000 722.000 m 110.000 772.000 l S\n[] 0.000 d\n"
              "0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
              "10.000 722.000 m 110.000 722.000 l S\n[] 0.000 d\n"
              "0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
              "10.000 722.000 m 10.000 772.000 l S\n[] 0.000 d\n");
    // Sides of width 0 or style none are skipped; dashes per style.
    EXPECT_EQ(drawn(bordered({1000, 2000, 500, 0}, {Dashed, None, Dotted, Solid},
                             {kRed, kBlack, kBlue, kBlack})),
              "1.000 0.000 0.000 RG\n1.000 w\n[6.000 3.000] 0.000 d\n"
              "10.000 772.000 m 110.000 772.000 l S\n[] 0.000 d\n"
              "0.000 0.000 1.000 RG\n0.500 w\n[1.000 2.000] 0.000 d\n"
              "10.000 722.000 m 110.000 722.000 l S\n[] 0.000 d\n");
    // Hidden is skipped; the three-dimensional and double styles are solid.
    const std::string solid_right =
        "0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
        "110.000 722.000 m 110.000 772.000 l S\n[] 0.000 d\n";
    for (BorderStyle style : {Double, Groove, Ridge, Inset, Outset}) {
        EXPECT_EQ(drawn(bordered({1000, 1000, 1000, 1000}, {Hidden, style, None, None},
                                 {kBlack, kBlack, kBlack, kBlack})),
                  solid_right)
            << static_cast<int>(style);
    }
    // Without all three side records nothing is stroked.
    Area partial = bordered({1000, 1000, 1000, 1000}, {Solid, Solid, Solid, Solid},
                            {kBlack, kBlack, kBlack, kBlack});
    partial.traits.edit().border_colors.reset();
    EXPECT_EQ(drawn(partial), "");
}

// Radii top-left 10, top-right 0, bottom-right 5, bottom-left 0 points.
constexpr const char* kRoundedPath =
    "10.000 722.000 m 105.000 722.000 l "
    "107.761 722.000 110.000 724.239 110.000 727.000 c "
    "110.000 772.000 l 20.000 772.000 l "
    "14.477 772.000 10.000 767.523 10.000 762.000 c "
    "10.000 722.000 l ";

TEST(BorderDrawing, RoundedBackgroundIsOnePath) {
    Area area = Area::at(AreaKind::Block, 10000, 20000, 100000, 50000);
    area.traits.edit().background_color = kRed;
    area.traits.edit().border_radii = SideLengths{10000, 0, 5000, 0};
    EXPECT_EQ(drawn(area), std::string("1.000 0.000 0.000 rg\n") + kRoundedPath + "f\n");
}

TEST(BorderDrawing, RadiiAreClampedToHalfTheSmallerSide) {
    auto background = [](SideLengths radii) {
        Area area = Area::at(AreaKind::Block, 10000, 20000, 100000, 50000);
        area.traits.edit().background_color = kRed;
        area.traits.edit().border_radii = radii;
        return drawn(area);
    };
    EXPECT_EQ(background({999999, 30000, 25001, 2000000000}),
              background({25000, 25000, 25000, 25000}));
    EXPECT_EQ(background({-5000, 0, -1, 0}), background({0, 0, 0, 0}));
    EXPECT_EQ(background({0, 0, 0, 0}),
              "1.000 0.000 0.000 rg\n10.000 722.000 m 110.000 722.000 l 110.000 772.000 l "
              "10.000 772.000 l 10.000 722.000 l f\n");
}

TEST(BorderDrawing, UniformBorderFollowsRoundedCorners) {
    using enum BorderStyle;
    Area area = bordered({2000, 2000, 2000, 2000}, {Dashed, Dashed, Dashed, Dashed},
                         {kRed, kRed, kRed, kRed});
    area.traits.edit().border_radii = SideLengths{5000, 5000, 5000, 5000};
    EXPECT_EQ(drawn(area),
              "1.000 0.000 0.000 RG\n2.000 w\n[6.000 3.000] 0.000 d\n"
              "15.000 722.000 m 105.000 722.000 l "
              "107.761 722.000 110.000 724.239 110.000 727.000 c "
              "110.000 767.000 l 110.000 769.761 107.761 772.000 105.000 772.000 c "
              "15.000 772.000 l 12.239 772.000 10.000 769.761 10.000 767.000 c "
              "10.000 727.000 l 10.000 724.239 12.239 722.000 15.000 722.000 c "
              "S\n[] 0.000 d\n");

    // One differing side, or invisible sides, fall back to straight lines.
    Area mixed = area;
    mixed.traits.edit().border_colors->at(3) = kBlue;
    const std::string mixed_drawn = drawn(mixed);
    EXPECT_EQ(mixed_drawn.find(" c "), std::string::npos);
    EXPECT_NE(mixed_drawn.find("0.000 0.000 1.000 RG\n2.000 w\n[6.000 3.000] 0.000 d\n"
                               "10.000 722.000 m 10.000 772.000 l S\n"),
              std::string::npos);
    Area hidden = area;
    hidden.traits.edit().border_styles = SideStyles{Hidden, Hidden, Hidden, Hidden};
    EXPECT_EQ(drawn(hidden), "");
    Area thin = area;
    thin.traits.edit().border_widths = SideLengths{0, 0, 0, 0};
    EXPECT_EQ(drawn(thin), "");
}

}  // namespace
}  // namespace lorp
