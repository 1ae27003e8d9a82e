#include "layout/area/shared_text.h"

#include <gtest/gtest.h>

#include "layout/area/trait_record.h"

namespace lorp {
namespace {

TEST(SharedTextTest, BehavesLikeAnOptionalString) {
    SharedText absent;
    EXPECT_FALSE(absent);
    EXPECT_EQ(absent, std::nullopt);
    EXPECT_FALSE(absent == "");
    EXPECT_EQ(absent, std::optional<std::string>());

    SharedText a = "rule";
    EXPECT_TRUE(a.has_value());
    EXPECT_EQ(*a, "rule");
    EXPECT_TRUE(a != "dots");
    EXPECT_EQ(a, std::optional<std::string>("rule"));
    EXPECT_NE(a, absent);

    a.emplace("dots");
    EXPECT_EQ(a, "dots");
    a.reset();
    EXPECT_EQ(a, std::nullopt);
}

TEST(SharedTextTest, CopiesOutliveTheOriginalAndReassignmentLeavesThemAlone) {
    TraitRecord original;
    original.font_family = std::string("Helvetica, sans-serif");
    original.link_destination = std::optional<std::string>("https://example.org/");
    std::vector<TraitRecord> copies(3, original);
    original.font_family = "Times";  // replaces, never edits the shared text
    original = TraitRecord();
    for (const TraitRecord& copy : copies) {
        EXPECT_EQ(copy.font_family, "Helvetica, sans-serif");
        EXPECT_EQ(copy.link_destination, "https://example.org/");
    }
    TraitRecord moved = std::move(copies[0]);
    copies[1] = copies[2];
    copies[2] = moved;
    EXPECT_EQ(copies[1].font_family, copies[2].font_family);
}

}  // namespace
}  // namespace lorp
