#include <gtest/gtest.h>

#include "layout_fixture.h"

namespace lorp {
namespace {

using testing::areas_of;
using testing::flow_document;
using testing::Geometry;
using testing::geometry;
using testing::lay_out;
using testing::nth;
using testing::text_of;

struct TextRun {
    std::string text;
    std::int32_t x;
    std::int32_t width;
    friend bool operator==(const TextRun&, const TextRun&) = default;
    friend std::ostream& operator<<(std::ostream& os, const TextRun& r) {
        return os << "{" << r.text << ", " << r.x << ", " << r.width << "}";
    }
};

std::vector<TextRun> runs(const AreaTree& tree) {
    std::vector<TextRun> out;
    for (AreaId id : areas_of(tree, AreaKind::Text)) {
        const Area& a = tree.get(id);
        EXPECT_EQ(a.y, 0);
        out.push_back({text_of(a), a.x, a.width});
    }
    return out;
}

TEST(InlineLayoutTest, TextIndentGoesToTheFirstLaidOutChildOnly) {
    const struct {
        const char* name;
        const char* block;
        std::vector<TextRun> runs;
    } cases[] = {
        {"text then inline",
         "<fo:block text-indent=\"18pt\">a<fo:inline>b</fo:inline></fo:block>",
         {{"a", 18000, 433276}, {"b", 0, 451276}}},
        {"an empty inline does not use up the indent",
         "<fo:block text-indent=\"18pt\"><fo:inline/>a<fo:page-number/></fo:block>",
         {{"a", 18000, 433276}, {"1", 0, 451276}}},
        {"an inline's first child gets the start x, later ones 0",
         "<fo:block "
         "text-indent=\"10pt\"><fo:inline>a<fo:inline>b</fo:inline>c</fo:inline></fo:block>",
         {{"a", 10000, 441276}, {"b", 0, 451276}, {"c", 0, 451276}}},
        {"a nested inline gives all its children the same x",
         "<fo:block text-indent=\"10pt\"><fo:inline><fo:inline>a<fo:inline>b</fo:inline>c"
         "</fo:inline>d</fo:inline></fo:block>",
         {{"a", 10000, 441276}, {"b", 10000, 441276}, {"c", 10000, 441276}, {"d", 0, 451276}}},
        {"a leader uses up the indent but starts at 0",
         "<fo:block text-indent=\"10pt\" start-indent=\"1pt\"><fo:leader leader-pattern=\"dots\" "
         "leader-pattern-width=\"225pt\"/>a</fo:block>",
         {{"..", 0, 450276}, {"a", 0, 450276}}},
        {"page-number and citation take the slot's x",
         "<fo:block text-indent=\"3pt\"><fo:page-number-citation ref-id=\"x\"/></fo:block>",
         {{"??", 3000, 448276}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(runs(lay_out(flow_document(c.block))), c.runs);
    }
}

TEST(InlineLayoutTest, InlineTraitsAndNestedColour) {
    const AreaTree tree = lay_out(flow_document(
        "<fo:block font-size=\"12pt\" color=\"blue\">plain<fo:inline color=\"red\" "
        "font-size=\"20pt\" font-family=\"Courier\">red<fo:inline font-size=\"30pt\" "
        "color=\"green\" font-family=\"Times\">green</fo:inline><fo:inline font-size=\"30pt\">"
        "inherited</fo:inline></fo:inline></fo:block>"));
    const Color blue{0, 0, 255, 255}, red{255, 0, 0, 255}, green{0, 255, 0, 255};
    const struct {
        std::size_t index;
        Color color;
        std::int32_t font_size;
        const char* family;
    } cases[] = {
        {0, blue, 12000, "serif"},
        {1, red, 20000, "Courier"},
        {2, green, 20000, "Courier"},  // only the colour of a nested inline counts
        {3, red, 20000, "Courier"},
    };
    for (const auto& c : cases) {
        const Area& a = nth(tree, AreaKind::Text, c.index);
        SCOPED_TRACE(text_of(a));
        EXPECT_EQ(a.traits->color, c.color);
        EXPECT_EQ(a.traits->font_size, c.font_size);
        EXPECT_EQ(a.traits->font_family, c.family);
        EXPECT_EQ(a.height, 12000);  // one line of the block
    }
}

TEST(InlineLayoutTest, TextRunsShareTheirContainersRecord) {
    const AreaTree tree = lay_out(flow_document(
        "<fo:block color=\"blue\">a<fo:footnote><fo:inline>b</fo:inline><fo:footnote-body/>"
        "</fo:footnote>c<fo:inline color=\"red\">d<fo:inline>e</fo:inline>"
        "<fo:inline color=\"red\">f</fo:inline></fo:inline></fo:block>"));
    const Area& block = nth(tree, AreaKind::Block, 0);
    const auto text = [&](std::size_t i) -> const SharedTraits& {
        return nth(tree, AreaKind::Text, i).traits;
    };
    for (std::size_t i : {0, 1, 2}) {
        EXPECT_TRUE(text(i).shares_with(block.traits)) << i;
    }
    EXPECT_EQ(text(3)->color, (Color{255, 0, 0, 255}));
    EXPECT_FALSE(text(3).shares_with(block.traits));
    EXPECT_EQ(text(3)->font_family, block.traits->font_family);
    EXPECT_TRUE(text(4).shares_with(text(3)));  // an inline without a colour of its own
    EXPECT_TRUE(text(5).shares_with(text(3)));  // or repeating its container's
}

TEST(InlineLayoutTest, BasicLinkDestinations) {
    const AreaTree tree = lay_out(flow_document(
        "<fo:block><fo:basic-link external-destination=\"http://e\" internal-destination=\"i\">"
        "both</fo:basic-link><fo:basic-link internal-destination=\"i\">internal"
        "<fo:inline color=\"red\">nested</fo:inline><fo:basic-link external-destination=\"x\">"
        "dropped</fo:basic-link></fo:basic-link><fo:basic-link>none</fo:basic-link>plain</"
        "fo:block>"));
    std::vector<std::pair<std::string, std::optional<std::string>>> links;
    for (AreaId id : areas_of(tree, AreaKind::Text)) {
        links.emplace_back(text_of(tree.get(id)),
                           tree.get(id).traits->link_destination.to_optional());
    }
    using P = std::pair<std::string, std::optional<std::string>>;
    EXPECT_EQ(links, (std::vector<P>{{"both", "http://e"},
                                     {"internal", "i"},
                                     {"nested", "i"},
                                     {"none", std::nullopt},
                                     {"plain", std::nullopt}}));
}

TEST(InlineLayoutTest, Leaders) {
    const struct {
        const char* leader;
        AreaKind kind;
        std::string text;
        std::optional<std::string> pattern, rule_style;
        std::optional<std::int32_t> rule_thickness;
    } cases[] = {
        {"<fo:leader leader-pattern=\"dots\"/>",
         AreaKind::Text,
         std::string(20, '.'),
         "dots",
         {},
         {}},
        {"<fo:leader leader-pattern=\"dots\" leader-pattern-width=\"30pt\"/>",
         AreaKind::Text,
         "...",
         "dots",
         {},
         {}},
        {"<fo:leader leader-pattern=\"dots\" leader-pattern-width=\"200pt\"/>",
         AreaKind::Text,
         ".",
         "dots",
         {},
         {}},
        {"<fo:leader leader-pattern=\"dots\" leader-pattern-width=\"0.001pt\"/>",
         AreaKind::Text,
         std::string(4096, '.'),
         "dots",
         {},
         {}},
        {"<fo:leader leader-pattern=\"dots\" leader-pattern-width=\"0pt\"/>",
         AreaKind::Text,
         ".",
         "dots",
         {},
         {}},
        {"<fo:leader/>", AreaKind::Inline, "<no text>", "space", {}, {}},
        {"<fo:leader leader-pattern=\"rule\" rule-thickness=\"2pt\" rule-style=\"dashed\"/>",
         AreaKind::Inline, "<no text>", "rule", "dashed", 2000},
        {"<fo:leader leader-pattern=\"rule\"/>", AreaKind::Inline, "<no text>", "rule", {}, 1000},
        {"<fo:leader leader-pattern=\"use-content\"/>",
         AreaKind::Inline,
         "<no text>",
         "use-content",
         {},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.leader);
        const AreaTree tree =
            lay_out(flow_document(std::string("<fo:block end-indent=\"351.276pt\" color=\"red\">") +
                                  c.leader + "</fo:block>"));
        const AreaId block = areas_of(tree, AreaKind::Block).at(0);
        ASSERT_EQ(tree.children(block).size(), 1u);
        const Area& leader = tree.get(tree.children(block)[0]);
        EXPECT_EQ(leader.kind, c.kind);
        EXPECT_EQ(text_of(leader), c.text);
        EXPECT_EQ(geometry(leader), (Geometry{0, 0, 100000, 12000}));
        EXPECT_EQ(leader.traits->leader_pattern, c.pattern);
        EXPECT_EQ(leader.traits->rule_style, c.rule_style);
        EXPECT_EQ(leader.traits->rule_thickness, c.rule_thickness);
        EXPECT_EQ(leader.traits->color, (Color{255, 0, 0, 255}));  // the block's traits
    }
}

TEST(InlineLayoutTest, PageNumberShowsTheSequenceNumber) {
    std::string seqs;
    for (int i = 0; i < 3; ++i) {
        seqs +=
            "<fo:page-sequence master-reference=\"m\"><fo:flow flow-name=\"xsl-region-body\">"
            "<fo:block><fo:page-number color=\"red\"/></fo:block></fo:flow></fo:page-sequence>";
    }
    const AreaTree tree = lay_out(testing::fo_document("", seqs));
    const Area& third = nth(tree, AreaKind::Text, 2);
    EXPECT_EQ(text_of(third), "3");
    EXPECT_EQ(third.traits->color, (Color{255, 0, 0, 255}));
}

}  // namespace
}  // namespace lorp
