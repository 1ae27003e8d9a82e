#include "properties/property_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "properties/initial_value.h"
#include "properties/property_catalogue.h"

namespace lorp {
namespace {

PropertyValue pt(double points) {
    return PropertyValue::length(Length::from_points(points));
}

std::string resolved(const PropertyList& list, PropertyId id) {
    Result<PropertyValue> value = list.get(id);
    return value.ok() ? display(*value) : display(value.error());
}

// A chain of lists, each the parent of the next; index 0 is the root.
class Chain {
public:
    explicit Chain(std::size_t depth) {
        lists_.reserve(depth);
        for (std::size_t i = 0; i < depth; ++i) {
            lists_.push_back(std::make_unique<PropertyList>(i ? lists_.back().get() : nullptr));
        }
    }
    PropertyList& operator[](std::size_t i) { return *lists_[i]; }
    PropertyList& leaf() { return *lists_.back(); }

private:
    std::vector<std::unique_ptr<PropertyList>> lists_;
};

TEST(InitialValue, CoversEveryKindOfInitialValue) {
    struct Case {
        std::string_view name;
        std::string expected;
    };
    const Case cases[] = {
        {"font-size", "Length(Length(12pt))"},
        {"font-family", "String(\"serif\")"},
        {"column-count", "Integer(1)"},
        {"widows", "Integer(2)"},
        {"pitch-range", "Integer(50)"},
        {"intrinsic-scale-value", "Integer(100)"},
        {"reference-orientation", "Integer(0)"},
        {"margin", "Auto"},
        {"z-index", "Auto"},
        {"text-decoration", "None"},
        {"background-color", "Color(Color(#00000000))"},
        {"color", "Color(Color(#000000))"},
        {"border-start-color", "Color(Color(#000000))"},
        {"border-top-width", "Length(Length(1pt))"},
        {"rule-thickness", "Length(Length(1pt))"},
        {"change-bar-offset", "Length(Length(6pt))"},
        {"column-gap", "Length(Length(12pt))"},
        {"provisional-distance-between-starts", "Length(Length(24pt))"},
        {"margin-top", "Length(Length(0pt))"},
        {"x-border-after-end-radius", "Length(Length(0pt))"},
        {"format", "String(\"1\")"},
        {"hyphenation-character", "String(\"-\")"},
        {"xml-lang", "String(\"\")"},
        {"page-position", "Enum(8)"},
        {"break-before", "Enum(9)"},
        {"writing-mode", "Enum(74)"},
        {"border-top-style", "Enum(86)"},
        {"line-height", "Enum(87)"},
        {"text-align", "Enum(126)"},
        {"visibility", "Enum(136)"},
        {"wrap-option", "Enum(139)"},
        {"opacity", "Number(1.0)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(display(initial_value(property_id(c.name))), c.expected) << c.name;
    }
}

TEST(PropertyList, ListWithoutParentAnswersInitialValues) {
    PropertyList list;
    EXPECT_EQ(resolved(list, PropertyId::FontSize), "Length(Length(12pt))");
    EXPECT_EQ(resolved(list, PropertyId::FontFamily), "String(\"serif\")");
    EXPECT_EQ(resolved(list, PropertyId::ColumnCount), "Integer(1)");
    EXPECT_EQ(resolved(list, PropertyId::Widows), "Integer(2)");
    EXPECT_TRUE(list.slots().empty());
}

TEST(PropertyList, ResolvesOwnInheritedAndInitialValues) {
    PropertyList parent;
    parent.set(PropertyId::Color, PropertyValue::color(Color{255, 0, 0, 255}));
    parent.set(PropertyId::MarginTop, pt(10));
    PropertyList child(&parent);

    struct Case {
        PropertyId id;
        std::optional<PropertyValue> child_value;  // set on the child when present
        std::string expected;
    };
    const Case cases[] = {
        {PropertyId::Color, std::nullopt, "Color(Color(#FF0000))"},    // inherited
        {PropertyId::MarginTop, std::nullopt, "Length(Length(0pt))"},  // not inherited
        {PropertyId::MarginTop, PropertyValue::inherit(), "Length(Length(10pt))"},
        {PropertyId::MarginTop, pt(3), "Length(Length(3pt))"},
        {PropertyId::Color, PropertyValue::color(Color{0, 0, 255, 255}), "Color(Color(#0000FF))"},
        {PropertyId::Color, PropertyValue::inherit(), "Color(Color(#FF0000))"},
        {PropertyId::MarginLeft, PropertyValue::inherit(), "Length(Length(0pt))"},
        {PropertyId::Opacity, PropertyValue::number(0.5), "Number(0.5)"},
    };
    for (const Case& c : cases) {
        PropertyList list(&parent);
        if (c.child_value) {
            list.set(c.id, *c.child_value);
        }
        EXPECT_EQ(resolved(list, c.id), c.expected) << property_name(c.id);
        EXPECT_EQ(resolved(list, c.id), c.expected) << "cached " << property_name(c.id);
    }
}

TEST(PropertyList, InheritWithoutParentGivesTheInitialValue) {
    PropertyList root;
    root.set(PropertyId::Color, PropertyValue::inherit());
    root.set(PropertyId::MarginTop, PropertyValue::inherit());
    EXPECT_EQ(resolved(root, PropertyId::Color), "Color(Color(#000000))");
    EXPECT_EQ(resolved(root, PropertyId::MarginTop), "Length(Length(0pt))");
}

TEST(PropertyList, InheritPassesThroughAnAncestorThatInheritsItself) {
    Chain chain(3);
    chain[0].set(PropertyId::SpaceBefore, pt(4));
    chain[1].set(PropertyId::SpaceBefore, PropertyValue::inherit());
    chain[2].set(PropertyId::SpaceBefore, PropertyValue::inherit());
    EXPECT_EQ(resolved(chain[2], PropertyId::SpaceBefore), "Length(Length(4pt))");

    // An unset non-inherited property on the middle list stops the walk there.
    Chain gap(3);
    gap[0].set(PropertyId::SpaceBefore, pt(4));
    gap[2].set(PropertyId::SpaceBefore, PropertyValue::inherit());
    EXPECT_EQ(resolved(gap[2], PropertyId::SpaceBefore), "Length(Length(0pt))");
}

TEST(PropertyList, LaterSetReplacesEarlierAndSlotsStaySorted) {
    PropertyList list;
    list.set(PropertyId::MarginTop, pt(1));  // as a shorthand expansion would
    list.set(PropertyId::Opacity, PropertyValue::number(0.25));
    list.set(PropertyId::AbsolutePosition, PropertyValue::string("absolute"));
    list.set(PropertyId::MarginTop, pt(7));  // a later longhand attribute
    EXPECT_EQ(resolved(list, PropertyId::MarginTop), "Length(Length(7pt))");
    list.set(PropertyId::MarginTop, pt(8));
    EXPECT_EQ(resolved(list, PropertyId::MarginTop), "Length(Length(8pt))");

    std::vector<PropertyId> ids;
    for (const PropertySlot& slot : list.slots()) {
        ids.push_back(slot.id);
    }
    EXPECT_EQ(ids, (std::vector<PropertyId>{PropertyId::AbsolutePosition, PropertyId::MarginTop,
                                            PropertyId::Opacity}));
    ASSERT_NE(list.own(PropertyId::Opacity), nullptr);
    EXPECT_EQ(list.own(PropertyId::Color), nullptr);
}

TEST(PropertyList, SetAfterLookupOnTheSameListIsSeen) {
    PropertyList parent;
    parent.set(PropertyId::Color, PropertyValue::color(Color{255, 0, 0, 255}));
    PropertyList child(&parent);
    EXPECT_EQ(resolved(child, PropertyId::Color), "Color(Color(#FF0000))");
    child.set(PropertyId::Color, PropertyValue::color(Color{0, 255, 0, 255}));
    EXPECT_EQ(resolved(child, PropertyId::Color), "Color(Color(#00FF00))");
    child.set(PropertyId::Color, PropertyValue::inherit());
    EXPECT_EQ(resolved(child, PropertyId::Color), "Color(Color(#FF0000))");
}

TEST(PropertyList, IdsOutsideTheCatalogue) {
    PropertyList list;
    list.set(PropertyId{296}, PropertyValue::integer(1));
    list.set(PropertyId{0}, PropertyValue::integer(1));
    EXPECT_TRUE(list.slots().empty());
    EXPECT_EQ(resolved(list, PropertyId{296}), "Unknown property: 296");
    EXPECT_EQ(resolved(list, PropertyId{0}), "Unknown property: 0");
    EXPECT_TRUE(list.value(PropertyId{296}).is_auto());
}

TEST(PropertyList, DeepChainsResolveWithoutRecursion) {
    constexpr std::size_t kDepth = 100000;
    Chain chain(kDepth);
    chain[0].set(PropertyId::Color, PropertyValue::color(Color{0, 0, 255, 255}));
    chain[0].set(PropertyId::MarginTop, pt(5));
    chain[kDepth / 2].set(PropertyId::FontFamily, PropertyValue::string("Helvetica"));
    for (std::size_t i = 1; i < kDepth; ++i) {
        chain[i].set(PropertyId::MarginTop, PropertyValue::inherit());
    }

    // A lookup in the middle first, then at the leaf: the leaf's walk stops at
    // the cached middle and the middle's answer is the same.
    EXPECT_EQ(resolved(chain[kDepth / 3], PropertyId::Color), "Color(Color(#0000FF))");
    for (std::size_t i = kDepth; i-- > 0;) {
        ASSERT_EQ(*chain[i].value(PropertyId::Color).color(), (Color{0, 0, 255, 255})) << i;
    }
    EXPECT_EQ(resolved(chain.leaf(), PropertyId::MarginTop), "Length(Length(5pt))");
    EXPECT_EQ(resolved(chain.leaf(), PropertyId::FontFamily), "String(\"Helvetica\")");
    EXPECT_EQ(resolved(chain[kDepth / 2 - 1], PropertyId::FontFamily), "String(\"serif\")");
    EXPECT_EQ(resolved(chain.leaf(), PropertyId::Direction), "Enum(75)");
}

TEST(PropertyList, FontSizeResolution) {
    struct Case {
        std::vector<PropertyValue> chain;  // font-size set on each list, root first
        std::optional<std::int32_t> millipoints;
    };
    using R = RelativeFontSize;
    auto rel = [](R size) { return PropertyValue::relative_font_size(size); };
    const Case cases[] = {
        {{pt(10), rel(R::Larger)}, 12000},
        {{pt(12), rel(R::Smaller)}, 10000},
        {{PropertyValue::percentage(1.5), rel(R::Larger)}, 14400},
        {{rel(R::Larger)}, 14400},  // no parent: against 12pt
        {{pt(10), rel(R::XxSmall)}, 9000},
        {{rel(R::XSmall)}, 10000},
        {{rel(R::Small)}, 13000},
        {{rel(R::Medium)}, 16000},
        {{rel(R::Large)}, 18000},
        {{rel(R::XLarge)}, 24000},
        {{rel(R::XxLarge)}, 32000},
        {{rel(R::Large), rel(R::Larger), rel(R::Smaller)}, 18000},
        {{pt(10), rel(R::Larger), PropertyValue::inherit()}, 14400},  // larger applied again
        {{pt(7), rel(R::Smaller)}, 5833},                             // truncated
        {{PropertyValue::percentage(1.5)}, std::nullopt},
        {{PropertyValue::string("large")}, std::nullopt},
        {{pt(10), PropertyValue::expression(Expression{})}, std::nullopt},
        {{PropertyValue::inherit()}, 12000},
    };
    for (const Case& c : cases) {
        Chain chain(c.chain.size());
        for (std::size_t i = 0; i < c.chain.size(); ++i) {
            chain[i].set(PropertyId::FontSize, c.chain[i]);
        }
        std::optional<Length> size = chain.leaf().font_size();
        std::string label = display(c.chain.back());
        ASSERT_EQ(size.has_value(), c.millipoints.has_value()) << label;
        if (size) {
            EXPECT_EQ(size->millipoints(), *c.millipoints) << label;
        }
        EXPECT_EQ(chain.leaf().font_size(), size) << "remembered " << label;
    }
}

TEST(PropertyList, InheritedLargerCompoundsOverDeepChains) {
    // A keyword is inherited as a keyword, so every level scales its parent's
    // size again: sizes grow until they clamp and must not overflow.
    constexpr std::size_t kDepth = 100000;
    Chain chain(kDepth);
    chain[0].set(PropertyId::FontSize, PropertyValue::relative_font_size(RelativeFontSize::Larger));
    EXPECT_EQ(chain[1].font_size()->millipoints(), 17280);
    EXPECT_EQ(chain.leaf().font_size()->millipoints(), 2147483647);

    Chain shrinking(kDepth);
    shrinking[0].set(PropertyId::FontSize, pt(100));
    shrinking[1].set(PropertyId::FontSize,
                     PropertyValue::relative_font_size(RelativeFontSize::Smaller));
    EXPECT_EQ(shrinking.leaf().font_size()->millipoints(), 0);
    EXPECT_EQ(shrinking[2].font_size()->millipoints(), 69444);
}

}  // namespace
}  // namespace lorp
