#include "layout/area/compute_traits.h"

#include <gtest/gtest.h>

#include "properties/property_list.h"

namespace lorp {
namespace {

constexpr Color kBlack{0, 0, 0, 255};

PropertyValue pt(double points) {
    return PropertyValue::length(Length::from_points(points));
}

TEST(ComputeTraitsTest, NothingSetGivesTheInitialRecord) {
    const PropertyList list;
    const TraitRecord t = compute_traits(list);
    EXPECT_EQ(t.color, kBlack);
    EXPECT_EQ(t.background_color, std::nullopt);
    EXPECT_EQ(t.font_family, "serif");
    EXPECT_EQ(t.font_size, 12000);
    EXPECT_EQ(t.font_style, FontStyle::Normal);
    EXPECT_EQ(t.font_weight, std::nullopt);
    EXPECT_EQ(t.border_widths, (SideLengths{1000, 1000, 1000, 1000}));
    EXPECT_EQ(t.border_colors, (SideColors{kBlack, kBlack, kBlack, kBlack}));
    const SideStyles none{BorderStyle::None, BorderStyle::None, BorderStyle::None,
                          BorderStyle::None};
    EXPECT_EQ(t.border_styles, none);
    EXPECT_EQ(t.overflow, Overflow::Unset);
    EXPECT_EQ(t.border_radii, std::nullopt);
    EXPECT_EQ(t.letter_spacing, std::nullopt);
    EXPECT_EQ(t.word_spacing, std::nullopt);
    EXPECT_EQ(t.opacity, std::nullopt);
    EXPECT_EQ(t.text_decoration, std::nullopt);
    EXPECT_EQ(t.link_destination, std::nullopt);
    EXPECT_EQ(t.leader_pattern, std::nullopt);
}

TEST(ComputeTraitsTest, SetValuesFillTheirFields) {
    PropertyList list;
    list.set(PropertyId::Color, PropertyValue::color(Color{255, 0, 0, 255}));
    list.set(PropertyId::BackgroundColor, PropertyValue::color(Color{1, 2, 3, 128}));
    list.set(PropertyId::FontFamily, PropertyValue::string("Helvetica"));
    list.set(PropertyId::FontWeight, PropertyValue::integer(700));
    list.set(PropertyId::FontStyle, PropertyValue::string("italic"));
    list.set(PropertyId::BorderTopWidth, pt(2));
    list.set(PropertyId::BorderLeftWidth, PropertyValue::percentage(0.5));
    list.set(PropertyId::BorderTopStyle, PropertyValue::string("wavy"));
    list.set(PropertyId::BorderRightStyle, PropertyValue::string("dashed"));
    list.set(PropertyId::BorderBottomColor, PropertyValue::color(Color{0, 0, 255, 255}));
    list.set(PropertyId::LetterSpacing, pt(1));
    list.set(PropertyId::Overflow, PropertyValue::string("hidden"));
    const TraitRecord t = compute_traits(list);
    EXPECT_EQ(t.color, (Color{255, 0, 0, 255}));
    EXPECT_EQ(t.background_color, (Color{1, 2, 3, 128}));
    EXPECT_EQ(t.font_family, "Helvetica");
    EXPECT_EQ(t.font_weight, 700);
    EXPECT_EQ(t.font_style, std::nullopt);  // document keywords are not mapped
    EXPECT_EQ(t.border_widths, (SideLengths{2000, 1000, 1000, 0}));
    ASSERT_TRUE(t.border_styles);
    EXPECT_EQ((*t.border_styles)[0], BorderStyle::Solid);  // unknown style draws solid
    EXPECT_EQ((*t.border_styles)[1], BorderStyle::Dashed);
    EXPECT_EQ((*t.border_colors)[2], (Color{0, 0, 255, 255}));
    EXPECT_EQ(t.letter_spacing, 1000);
    EXPECT_EQ(t.overflow, Overflow::Hidden);
}

TEST(ComputeTraitsTest, TransparentOrGradientBackgroundIsAbsent) {
    PropertyList list;
    list.set(PropertyId::BackgroundColor, PropertyValue::color(Color{255, 255, 255, 0}));
    EXPECT_EQ(compute_traits(list).background_color, std::nullopt);
    list.set(PropertyId::BackgroundColor, PropertyValue::string("yellow-ish"));
    EXPECT_EQ(compute_traits(list).background_color, std::nullopt);
}

TEST(ComputeTraitsTest, BorderRadii) {
    PropertyList shorthand_zero;
    shorthand_zero.set(PropertyId::XBorderRadius, pt(0));
    EXPECT_EQ(compute_traits(shorthand_zero).border_radii, (SideLengths{0, 0, 0, 0}));

    PropertyList corners_zero;
    for (PropertyId id : {PropertyId::XBorderBeforeStartRadius, PropertyId::XBorderBeforeEndRadius,
                          PropertyId::XBorderAfterEndRadius, PropertyId::XBorderAfterStartRadius}) {
        corners_zero.set(id, pt(0));
    }
    EXPECT_EQ(compute_traits(corners_zero).border_radii, std::nullopt);

    PropertyList one_corner;
    one_corner.set(PropertyId::XBorderAfterEndRadius, pt(3));
    EXPECT_EQ(compute_traits(one_corner).border_radii, (SideLengths{0, 0, 3000, 0}));
}

TEST(ComputeTraitsTest, FontSizeRule) {
    PropertyList ten;
    ten.set(PropertyId::FontSize, pt(10));
    const struct {
        const PropertyList* parent;
        PropertyValue value;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {&ten, PropertyValue::relative_font_size(RelativeFontSize::Larger), 12000},
        {nullptr, PropertyValue::relative_font_size(RelativeFontSize::Smaller), 10000},
        {nullptr, PropertyValue::relative_font_size(RelativeFontSize::Medium), 16000},
        {nullptr, PropertyValue::relative_font_size(RelativeFontSize::XxSmall), 9000},
        {&ten, pt(20), 20000},
        {&ten, PropertyValue::percentage(1.5), std::nullopt},
    };
    for (const auto& c : cases) {
        PropertyList list(c.parent);
        list.set(PropertyId::FontSize, c.value);
        EXPECT_EQ(compute_traits(list).font_size, c.expected) << display(c.value);
    }
}

}  // namespace
}  // namespace lorp
