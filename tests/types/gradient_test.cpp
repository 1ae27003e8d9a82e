#include "types/gradient.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

TEST(GradientTest, ParsesToItsDisplay) {
    const struct {
        const char* text;
        const char* display;
    } cases[] = {
        {"linear-gradient(red, blue)",
         "Linear { start_point: Point(50pt, 0pt), end_point: Point(50pt, 100pt), color_stops: "
         "[ColorStop { offset: 0.0, color: Color(#FF0000) }, ColorStop { offset: 1.0, color: "
         "Color(#0000FF) }] }"},
        {"linear-gradient(90deg, red, white, blue)",
         "Linear { start_point: Point(0pt, 50pt), end_point: Point(100pt, 50pt), color_stops: "
         "[ColorStop { offset: 0.0, color: Color(#FF0000) }, ColorStop { offset: 0.5, color: "
         "Color(#FFFFFF) }, ColorStop { offset: 1.0, color: Color(#0000FF) }] }"},
        {"  linear-gradient( to top ,#00ff0080 )  ",
         "Linear { start_point: Point(50pt, 100pt), end_point: Point(50pt, 0pt), color_stops: "
         "[ColorStop { offset: 0.5, color: Color(#00FF0080) }] }"},
        {"linear-gradient(to  left, red, blue)",
         "Linear { start_point: Point(100pt, 50pt), end_point: Point(0pt, 50pt), color_stops: "
         "[ColorStop { offset: 0.0, color: Color(#FF0000) }, ColorStop { offset: 1.0, color: "
         "Color(#0000FF) }] }"},
        {"linear-gradient(45 deg, black, white)",
         "Linear { start_point: Point(14.645pt, 85.355pt), end_point: Point(85.355pt, 14.645pt), "
         "color_stops: [ColorStop { offset: 0.0, color: Color(#000000) }, ColorStop { offset: "
         "1.0, color: Color(#FFFFFF) }] }"},
        {"radial-gradient(circle, yellow)",
         "Radial { center: Point(50pt, 50pt), radius: 0.5, color_stops: [ColorStop { offset: "
         "0.5, color: Color(#FFFF00) }] }"},
        {"radial-gradient(red, lime, navy, white)",
         "Radial { center: Point(50pt, 50pt), radius: 0.5, color_stops: [ColorStop { offset: "
         "0.0, color: Color(#FF0000) }, ColorStop { offset: 0.3333333333333333, color: "
         "Color(#00FF00) }, ColorStop { offset: 0.6666666666666666, color: Color(#000080) }, "
         "ColorStop { offset: 1.0, color: Color(#FFFFFF) }] }"},
    };
    for (const auto& c : cases) {
        std::optional<Gradient> gradient = parse_gradient(c.text);
        ASSERT_TRUE(gradient.has_value()) << c.text;
        EXPECT_EQ(display(*gradient), c.display) << c.text;
    }
}

TEST(GradientTest, TextsThatAreNotGradients) {
    const char* cases[] = {
        "linear-gradient(to top left, red, blue)",
        "linear-gradient(red, notacolour)",
        "linear-gradient(red 50%, blue)",
        "linear-gradient()",
        "linear-gradient(",
        "linear-gradient(red, blue",
        "linear-gradient(90deg)",
        "linear-gradient(deg, red)",
        "linear-gradient(infdeg, red)",
        "linear-gradient(to middle, red)",
        "linear-gradient(red,)",
        "linear-gradient(rgb(1,2,3), red)",
        "radial-gradient(circle)",
        "radial-gradient(ellipse, red)",
        "conic-gradient(red, blue)",
        "repeating-linear-gradient(red, blue)",
        "Linear-gradient(red, blue)",
        "",
    };
    for (const char* text : cases) {
        EXPECT_FALSE(parse_gradient(text).has_value()) << text;
    }
}

TEST(GradientTest, HugeAnglesStayFinite) {
    std::optional<Gradient> gradient = parse_gradient("linear-gradient(1e400deg, red)");
    ASSERT_TRUE(gradient.has_value());
    const auto& linear = std::get<LinearGradient>(gradient->kind);
    EXPECT_EQ(linear.start_point, (Point{Length::zero(), Length::zero()}));
}

TEST(GradientTest, ManyStopsInOneLongValue) {
    std::string text = "linear-gradient(red";
    for (int i = 0; i < 100000; ++i) {
        text += ", blue";
    }
    text += ')';
    std::optional<Gradient> gradient = parse_gradient(text);
    ASSERT_TRUE(gradient.has_value());
    const auto& stops = std::get<LinearGradient>(gradient->kind).color_stops;
    ASSERT_EQ(stops.size(), 100001u);
    EXPECT_EQ(stops.back().offset, 1.0);
}

}  // namespace
}  // namespace lorp
