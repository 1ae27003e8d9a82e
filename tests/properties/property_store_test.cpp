#include "properties/property_store.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "properties/initial_value.h"
#include "properties/property_catalogue.h"

namespace lorp {
namespace {

PropertyValue pt(double points) {
    return PropertyValue::length(Length::from_points(points));
}

// Fills a list the way the attribute pass does: a shorthand's sides, then a longhand.
void fill_bordered(PropertyList& list, double width) {
    for (PropertyId id : {PropertyId::BorderTopStyle, PropertyId::BorderBottomStyle,
                          PropertyId::BorderLeftStyle, PropertyId::BorderRightStyle}) {
        list.set(id, PropertyValue::string("solid"));
    }
    list.set(PropertyId::BorderTopWidth, pt(width));
}

TEST(PropertyStore, ListsWithTheSameSlotsShareThemAndChangesCopyFirst) {
    PropertyStore store;
    PropertyList& root = store.new_list(nullptr);
    root.set(PropertyId::Color, PropertyValue::color(Color{255, 0, 0, 255}));
    PropertyList& a = store.new_list(&root);
    fill_bordered(a, 1);
    PropertyList& b = store.new_list(&root);
    fill_bordered(b, 1);
    PropertyList& c = store.new_list(&root);
    fill_bordered(c, 2);
    store.seal();

    EXPECT_EQ(a.slots().data(), b.slots().data());
    EXPECT_NE(a.slots().data(), c.slots().data());
    // Strings of kept runs share one copy per text.
    EXPECT_EQ(a.own(PropertyId::BorderTopStyle)->string(),
              c.own(PropertyId::BorderLeftStyle)->string());

    // A change after sharing touches only the changed list.
    b.set(PropertyId::BorderTopWidth, pt(5));
    b.set(PropertyId::MarginTop, pt(3));
    EXPECT_EQ(display(a.value(PropertyId::BorderTopWidth)), "Length(Length(1pt))");
    EXPECT_EQ(display(b.value(PropertyId::BorderTopWidth)), "Length(Length(5pt))");
    EXPECT_EQ(a.own(PropertyId::MarginTop), nullptr);
    EXPECT_EQ(b.slots().size(), 6u);
    EXPECT_EQ(display(c.value(PropertyId::Color)), "Color(Color(#FF0000))");
    EXPECT_EQ(display(b.value(PropertyId::BorderBottomStyle)), "String(\"solid\")");
}

TEST(PropertyStore, ManyDistinctListsKeepTheirValuesAcrossBlocks) {
    // Enough distinct runs to fill several blocks, so that open runs move.
    PropertyStore store;
    PropertyList& root = store.new_list(nullptr);
    std::vector<PropertyList*> lists;
    for (int i = 0; i < 2000; ++i) {
        PropertyList& list = store.new_list(&root);
        for (std::uint16_t id = 1; id <= 7; ++id) {
            list.set(PropertyId{static_cast<std::uint16_t>(id * 40)},
                     PropertyValue::integer(i * 7 + id));
        }
        list.set(PropertyId::MarginTop, pt(i));
        lists.push_back(&list);
    }
    for (int i = 0; i < 2000; ++i) {
        const PropertyList& list = *lists[i];
        ASSERT_EQ(list.slots().size(), 8u) << i;
        for (std::uint16_t id = 1; id <= 7; ++id) {
            ASSERT_EQ(*list.own(PropertyId{static_cast<std::uint16_t>(id * 40)})->integer(),
                      i * 7 + id)
                << i;
        }
        ASSERT_EQ(list.own(PropertyId::MarginTop)->length()->millipoints(), i * 1000) << i;
    }
}

TEST(PropertyStore, DiscardedListLeavesNoSlotsOrAnswersBehind) {
    PropertyStore store;
    PropertyList& root = store.new_list(nullptr);
    root.set(PropertyId::Color, PropertyValue::color(Color{0, 0, 255, 255}));
    PropertyList& dropped = store.new_list(&root);
    dropped.set(PropertyId::FontSize, pt(30));
    dropped.set(PropertyId::Color, PropertyValue::inherit());
    EXPECT_EQ(dropped.font_size()->millipoints(), 30000);  // remembered answers
    EXPECT_EQ(display(dropped.value(PropertyId::Color)), "Color(Color(#0000FF))");
    store.discard_last(dropped);
    EXPECT_EQ(store.list_count(), 1u);

    // Most likely made where the dropped list was.
    PropertyList& next = store.new_list(&root);
    next.set(PropertyId::Color, PropertyValue::color(Color{0, 255, 0, 255}));
    EXPECT_EQ(next.slots().size(), 1u);
    EXPECT_EQ(next.font_size()->millipoints(), 12000);
    EXPECT_EQ(display(next.value(PropertyId::Color)), "Color(Color(#00FF00))");
    store.discard_last(root);  // not the last one: ignored
    EXPECT_EQ(store.list_count(), 2u);
}

// Inherited lookups read a few ancestors directly and go through the store's
// remembered answers beyond that; an id no list of the store ever held is
// answered at once, but only when the whole ancestry lives in the store.
TEST(PropertyStore, InheritedLookupsAcrossShortLongAndMixedAncestries) {
    const Color red{255, 0, 0, 255};
    PropertyList outside;  // keeps a store of its own
    outside.set(PropertyId::Color, PropertyValue::color(red));
    PropertyStore store;
    PropertyList& adopted = store.new_list(&outside);
    adopted.set(PropertyId::FontWeight, PropertyValue::integer(700));
    ASSERT_NE(adopted.value(PropertyId::Color).color(), nullptr);
    EXPECT_EQ(*adopted.value(PropertyId::Color).color(), red);

    PropertyList* list = &store.new_list(nullptr);
    list->set(PropertyId::FontFamily, PropertyValue::string("Helvetica"));
    std::vector<const PropertyList*> chain{list};
    for (int depth = 1; depth < 40; ++depth) {
        list = &store.new_list(list);
        if (depth == 30) {
            list->set(PropertyId::FontFamily, PropertyValue::string("Courier"));
        }
        chain.push_back(list);
    }
    for (std::size_t depth = chain.size(); depth-- > 0;) {
        const std::string* family = chain[depth]->value(PropertyId::FontFamily).string();
        ASSERT_NE(family, nullptr) << depth;
        EXPECT_EQ(*family, depth >= 30 ? "Courier" : "Helvetica") << depth;
        EXPECT_EQ(chain[depth]->value(PropertyId::Color), initial_value(PropertyId::Color));
    }
}

}  // namespace
}  // namespace lorp
