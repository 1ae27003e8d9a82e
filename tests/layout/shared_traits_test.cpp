#include "layout/area/shared_traits.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

TEST(SharedTraitsTest, AnEmptyHandleReadsAsTheAbsentRecord) {
    const SharedTraits empty;
    EXPECT_EQ(empty->color, std::nullopt);
    EXPECT_EQ(empty->font_family, std::nullopt);
    EXPECT_EQ(empty->overflow, Overflow::Unset);
    EXPECT_TRUE(empty.shares_with(SharedTraits()));
}

TEST(SharedTraitsTest, EditingACopyLeavesTheOthersAlone) {
    TraitRecord record;
    record.font_size = 9000;
    record.font_family = "serif";
    SharedTraits original = record;
    SharedTraits copy = original;
    EXPECT_TRUE(copy.shares_with(original));

    copy.edit().font_size = 20000;
    EXPECT_FALSE(copy.shares_with(original));
    EXPECT_EQ(original->font_size, 9000);
    EXPECT_EQ(copy->font_size, 20000);
    EXPECT_EQ(copy->font_family, "serif");

    // A handle of its own is edited in place, and an empty one gets a record.
    const TraitRecord* own = &*copy;
    copy.edit().color = Color{1, 2, 3, 255};
    EXPECT_EQ(&*copy, own);
    SharedTraits empty;
    empty.edit().opacity = 0.5;
    EXPECT_EQ(empty->opacity, 0.5);

    // The last sharer keeps the record alive.
    SharedTraits survivor = original;
    original = SharedTraits();
    EXPECT_EQ(survivor->font_family, "serif");
    EXPECT_EQ(original->font_family, std::nullopt);
}

}  // namespace
}  // namespace lorp
