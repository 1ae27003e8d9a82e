#include "layout/area/area_tree.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

Area block() {
    return Area::at(AreaKind::Block);
}

TEST(AreaTreeTest, ChildrenKeepAttachOrderAndParentLinks) {
    AreaTree tree;
    const AreaId page = tree.add(Area::at(AreaKind::Page));
    const AreaId a = tree.add(block());
    const AreaId b = tree.add(block());
    const AreaId c = tree.add(block());
    for (AreaId child : {a, b, c}) {
        ASSERT_TRUE(tree.attach_child(page, child).ok());
    }
    EXPECT_EQ(tree.children(page), (std::vector<AreaId>{a, b, c}));
    EXPECT_EQ(tree.parent(b), page);
    EXPECT_EQ(tree.parent(page), std::nullopt);
    EXPECT_EQ(tree.next_sibling(c), std::nullopt);
    EXPECT_TRUE(tree.children(99).empty());
}

TEST(AreaTreeTest, AttachRejectsUnknownIdsChildFirstAndChangesNothing) {
    AreaTree tree;
    for (int i = 0; i < 3; ++i) {
        tree.add(block());
    }
    const struct {
        AreaId parent, child;
        const char* message;
    } cases[] = {
        {5, 2, "Parent area 5 does not exist"},
        {0, 7, "Child area 7 does not exist"},
        {9, 8, "Child area 8 does not exist"},
    };
    for (const auto& c : cases) {
        const Status status = tree.attach_child(c.parent, c.child);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(display(status.error()), c.message);
    }
    for (AreaId id = 0; id < 3; ++id) {
        EXPECT_EQ(tree.parent(id), std::nullopt);
        EXPECT_EQ(tree.first_child(id), std::nullopt);
    }
}

TEST(AreaTreeTest, FootnotesAreListedPerPageInRegistrationOrder) {
    AreaTree tree;
    const AreaId p1 = tree.add(Area::at(AreaKind::Page));
    const AreaId p2 = tree.add(Area::at(AreaKind::Page));
    const AreaId f1 = tree.add(Area::at(AreaKind::Footnote));
    const AreaId f2 = tree.add(Area::at(AreaKind::Footnote));
    tree.register_footnote(p1, f2);
    tree.register_footnote(p1, f1);
    ASSERT_NE(tree.footnotes(p1), nullptr);
    EXPECT_EQ(*tree.footnotes(p1), (std::vector<AreaId>{f2, f1}));
    EXPECT_EQ(tree.footnotes(p2), nullptr);
}

TEST(AreaTreeTest, WideFanOutAttachesInLinearTime) {
    // A last-child index keeps 200,000 siblings from costing quadratic time.
    AreaTree tree;
    const AreaId page = tree.add(Area::at(AreaKind::Page));
    for (int i = 0; i < 200000; ++i) {
        ASSERT_TRUE(tree.attach_child(page, tree.add(block())).ok());
    }
    EXPECT_EQ(tree.children(page).size(), 200000u);
    EXPECT_EQ(tree.children(page).back(), 200000u);
}

}  // namespace
}  // namespace lorp
