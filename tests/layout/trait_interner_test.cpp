#include "layout/area/trait_interner.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "layout_fixture.h"

namespace lorp {
namespace {

TEST(TraitInternerTest, EqualRecordsShareAndEveryFieldTellsRecordsApart) {
    const std::vector<std::function<void(TraitRecord&)>> changes = {
        [](TraitRecord& r) { r.opacity = 0.5; },
        [](TraitRecord& r) { r.font_family = "serif"; },
        [](TraitRecord& r) { r.font_family = ""; },  // an empty text is not an absent one
        [](TraitRecord& r) { r.link_destination = "a"; },
        [](TraitRecord& r) { r.leader_pattern = "dots"; },
        [](TraitRecord& r) { r.rule_style = "dashed"; },
        [](TraitRecord& r) { r.font_size = 0; },  // zero is not absent
        [](TraitRecord& r) { r.rule_thickness = 1000; },
        [](TraitRecord& r) { r.letter_spacing = 1; },
        [](TraitRecord& r) { r.word_spacing = 1; },
        [](TraitRecord& r) {
            r.border_widths = SideLengths{0, 0, 0, 1};
        },
        [](TraitRecord& r) {
            r.border_radii = SideLengths{1, 0, 0, 0};
        },
        [](TraitRecord& r) { r.font_weight = 700; },
        [](TraitRecord& r) { r.font_style = FontStyle::Italic; },
        [](TraitRecord& r) {
            r.border_styles = SideStyles{BorderStyle::None, BorderStyle::None, BorderStyle::None,
                                         BorderStyle::Dotted};
        },
        [](TraitRecord& r) { r.color = Color{}; },
        [](TraitRecord& r) {
            r.background_color = Color{0, 0, 0, 0};
        },
        [](TraitRecord& r) { r.border_colors = SideColors{}; },
        [](TraitRecord& r) {
            r.text_decoration = TextDecoration{false, false, true};
        },
        [](TraitRecord& r) { r.overflow = Overflow::Hidden; },
    };
    TraitInterner interner;
    const SharedTraits base = interner.intern(TraitRecord{});
    EXPECT_TRUE(interner.intern(TraitRecord{}).shares_with(base));
    std::vector<SharedTraits> seen = {base};
    for (std::size_t i = 0; i < changes.size(); ++i) {
        TraitRecord record;
        changes[i](record);
        const SharedTraits first = interner.intern(record);
        EXPECT_TRUE(interner.intern(record).shares_with(first)) << i;
        for (const SharedTraits& other : seen) {
            EXPECT_FALSE(first.shares_with(other)) << i;
        }
        seen.push_back(first);
    }
    EXPECT_EQ(interner.size(), changes.size() + 1);

    // A handle edited after interning is its own again; interning it finds its equal.
    SharedTraits edited = base;
    edited.edit().opacity = 0.5;
    EXPECT_FALSE(edited.shares_with(seen[1]));
    EXPECT_TRUE(interner.intern(edited).shares_with(seen[1]));
}

TEST(TraitInternerTest, RecordsStayFoundAsTheTableGrows) {
    TraitInterner interner;
    std::vector<SharedTraits> first;
    for (int i = 0; i < 1000; ++i) {
        TraitRecord record;
        record.font_size = i;
        first.push_back(interner.intern(record));
    }
    EXPECT_EQ(interner.size(), 1000u);
    for (int i = 0; i < 1000; ++i) {
        TraitRecord record;
        record.font_size = i;
        EXPECT_TRUE(interner.intern(record).shares_with(first[i])) << i;
    }
    // An empty handle is interned as the record with every field absent.
    const SharedTraits absent = interner.intern(SharedTraits());
    EXPECT_FALSE(absent.empty());
    EXPECT_TRUE(interner.intern(TraitRecord{}).shares_with(absent));
}

TEST(TraitInternerTest, BlocksStyledAlikeShareOneRecord) {
    const AreaTree tree = testing::lay_out(testing::flow_document(
        "<fo:block color=\"red\">a</fo:block><fo:block color=\"red\">b</fo:block>"
        "<fo:block color=\"blue\">c</fo:block>"));
    const Area& a = testing::nth(tree, AreaKind::Block, 0);
    const Area& b = testing::nth(tree, AreaKind::Block, 1);
    const Area& c = testing::nth(tree, AreaKind::Block, 2);
    EXPECT_TRUE(a.traits.shares_with(b.traits));
    EXPECT_FALSE(a.traits.shares_with(c.traits));
    EXPECT_TRUE(testing::nth(tree, AreaKind::Text, 1).traits.shares_with(a.traits));
}

TEST(TraitInternerTest, ListsAlikeOnlyWhenTheirParentsAreAlike) {
    // The inlines have the same (empty) own values, but inherit different
    // colours and sizes; the blocks go through more styles than the table of
    // recent lists holds.
    std::string flow;
    for (int i = 0; i < 600; ++i) {
        flow += "<fo:block color=\"#0000" + std::string(i % 2 == 0 ? "ff" : "01") +
                "\" font-size=\"" + std::to_string(i % 300 + 1) +
                "pt\"><fo:inline>x</fo:inline></fo:block>";
    }
    const AreaTree tree = testing::lay_out(testing::flow_document(flow));
    const std::vector<AreaId> runs = testing::areas_of(tree, AreaKind::Text);
    ASSERT_EQ(runs.size(), 600u);
    for (int i = 0; i < 600; ++i) {
        const Area& inner = tree.get(runs[i]);
        const Color expected{0, 0, static_cast<std::uint8_t>(i % 2 == 0 ? 255 : 1), 255};
        ASSERT_EQ(inner.traits->color, expected) << i;
        ASSERT_EQ(inner.traits->font_size, (i % 300 + 1) * 1000) << i;
    }
}

}  // namespace
}  // namespace lorp
