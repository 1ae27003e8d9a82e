// The leader procedure through render_pdf.
#include "render/pdf/leader_drawing.h"

#include <gtest/gtest.h>

#include "render/pdf/render_test_support.h"

namespace lorp {
namespace {

using render_test::content;
using render_test::PageTree;
using render_test::text_area;

struct Leader {
    const char* pattern;
    std::optional<std::int32_t> thickness;
    const char* style;  // nullptr: absent
    std::int32_t height;
};

std::string drawn(const Leader& leader, AreaKind kind = AreaKind::Inline) {
    PageTree t;
    Area area = Area::at(kind, 10000, 20000, 100000, leader.height);
    area.traits.edit().leader_pattern = leader.pattern;
    area.traits.edit().rule_thickness = leader.thickness;
    if (leader.style != nullptr) {
        area.traits.edit().rule_style = leader.style;
    }
    const AreaId id = t.child(std::move(area));
    // A leader's children are never drawn.
    t.child(id, text_area(0, 0, "child"));
    return content(t.tree);
}

TEST(LeaderDrawing, RuleIsOneCentredHorizontalLine) {
    struct Case {
        Leader leader;
        const char* expected;
    };
    const Case cases[] = {
        // 0.5pt by default: y = 792 - 20 - 0.5 - (12 - 0.5) / 2.
        {{"rule", std::nullopt, nullptr, 12000},
         "0.000 0.000 0.000 RG\n0.500 w\n[] 0 d\n10.000 765.750 m 110.000 765.750 l S\n"},
        {{"rule", 1000, "dashed", 12000},
         "0.000 0.000 0.000 RG\n1.000 w\n[6 3] 0 d\n10.000 765.500 m 110.000 765.500 l S\n"},
        {{"rule", 1000, "dotted", 11000},
         "0.000 0.000 0.000 RG\n1.000 w\n[1 2] 0 d\n10.000 766.000 m 110.000 766.000 l S\n"},
        {{"rule", 1000, "double", 11000},
         "0.000 0.000 0.000 RG\n1.000 w\n[] 0 d\n10.000 766.000 m 110.000 766.000 l S\n"},
        // The halving truncates toward zero, also below zero: (0 - 501) / 2 = -250.
        {{"rule", 501, nullptr, 0},
         "0.000 0.000 0.000 RG\n0.501 w\n[] 0 d\n10.000 771.749 m 110.000 771.749 l S\n"},
        {{"dots", 1000, nullptr, 12000}, ""},
        {{"space", 1000, nullptr, 12000}, ""},
        {{"Rule", 1000, nullptr, 12000}, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(drawn(c.leader), c.expected) << c.leader.pattern;
        EXPECT_EQ(drawn(c.leader, AreaKind::Text), c.expected) << c.leader.pattern;
    }
}

TEST(LeaderDrawing, RuleTakesTheAreaColourAndIgnoresText) {
    PageTree t;
    Area area = text_area(0, 0, "ignored");
    area.height = 1000;
    area.width = 2000;
    area.traits.edit().leader_pattern = "rule";
    area.traits.edit().color = Color{255, 0, 0, 255};
    t.child(std::move(area));
    Area dots = text_area(0, 0, "also ignored");
    dots.traits.edit().leader_pattern = "dots";
    t.child(std::move(dots));
    EXPECT_EQ(content(t.tree),
              "1.000 0.000 0.000 RG\n0.500 w\n[] 0 d\n0.000 791.250 m 2.000 791.250 l S\n");
}

}  // namespace
}  // namespace lorp
