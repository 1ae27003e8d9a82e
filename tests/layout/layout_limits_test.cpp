#include <gtest/gtest.h>

#include <limits>

#include "layout/engine/saturating.h"
#include "layout_fixture.h"

namespace lorp {
namespace {

using testing::areas_of;
using testing::flow_document;
using testing::lay_out;
using testing::nth;
using testing::text_of;

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(SaturatingTest, ClampsAtBothLimits) {
    EXPECT_EQ(sat_add(kMax, 1), kMax);
    EXPECT_EQ(sat_add(kMin, -1), kMin);
    EXPECT_EQ(sat_sub(kMin, 1), kMin);
    EXPECT_EQ(sat_sub(0, kMin), kMax);
    EXPECT_EQ(sat_mul(70000, 70000), kMax);
    EXPECT_EQ(sat_mul(-70000, 70000), kMin);
    EXPECT_EQ(sat_add(-5, 3), -2);
}

TEST(LayoutLimitsTest, BlocksPastTheLimitSitAtTheLimit) {
    std::string flow;
    flow.reserve(300000 * 40);
    for (int i = 0; i < 300000; ++i) {
        flow += "<fo:block font-size=\"12pt\">x</fo:block>";
    }
    const AreaTree tree = lay_out(flow_document(flow));
    const std::vector<AreaId> blocks = areas_of(tree, AreaKind::Block);
    ASSERT_EQ(blocks.size(), 300000u);
    EXPECT_EQ(tree.get(blocks[178956]).y, 178956 * 12000);
    EXPECT_EQ(tree.get(blocks[178957]).y, kMax);
    EXPECT_EQ(tree.get(blocks.back()).y, kMax);
    for (AreaId id : blocks) {
        ASSERT_GE(tree.get(id).y, 0);  // nothing wrapped round to negative
    }
}

TEST(LayoutLimitsTest, HugeLengthsSaturateInsteadOfWrapping) {
    const AreaTree tree = lay_out(testing::fo_document(
        "<fo:simple-page-master master-name=\"m\" page-height=\"2000000pt\" "
        "margin-top=\"-2000000pt\"><fo:region-body margin-top=\"-2000000pt\"/>"
        "<fo:region-before extent=\"-2000000pt\"/></fo:simple-page-master>",
        "<fo:page-sequence master-reference=\"m\"><fo:flow flow-name=\"xsl-region-body\">"
        "<fo:block start-indent=\"-2000000pt\" end-indent=\"-2000000pt\" "
        "space-before=\"2000000pt\">a</fo:block><fo:block space-before=\"2000000pt\">b</fo:block>"
        "</fo:flow></fo:page-sequence>"));
    const Area& body = nth(tree, AreaKind::RegionBody, 0);
    EXPECT_EQ(body.y, kMin);       // -2e9 - 2e9 - 2e9
    EXPECT_EQ(body.height, kMax);  // 2e9 + 2e9 - 72000 + 2e9 + 2e9
    const Area& a = nth(tree, AreaKind::Block, 0);
    EXPECT_EQ(a.y, 2000000000);
    EXPECT_EQ(a.width, kMax);
    EXPECT_EQ(a.x, -2000000000);
    EXPECT_EQ(nth(tree, AreaKind::Block, 1).y, kMax);
}

TEST(LayoutLimitsTest, DeepInlineNestingNeedsNoDeepStack) {
    constexpr int kDepth = 100000;
    std::string block = "<fo:block>";
    for (int i = 0; i < kDepth; ++i) {
        block += "<fo:inline>";
    }
    block += "deep";
    for (int i = 0; i < kDepth; ++i) {
        block += "</fo:inline>";
    }
    block += "</fo:block>";
    const AreaTree tree = lay_out(flow_document(block));
    ASSERT_EQ(areas_of(tree, AreaKind::Text).size(), 1u);
    EXPECT_EQ(text_of(nth(tree, AreaKind::Text, 0)), "deep");
}

TEST(LayoutLimitsTest, DeepFootnoteNestingNeedsNoDeepStack) {
    // block > footnote > footnote-body > block > ...: only the outermost
    // footnote reaches the page; the inner ones hang off unattached areas.
    constexpr int kDepth = 25000;
    std::string doc;
    for (int i = 0; i < kDepth; ++i) {
        doc += "<fo:block>t<fo:footnote><fo:inline>*</fo:inline><fo:footnote-body>";
    }
    for (int i = 0; i < kDepth; ++i) {
        doc += "</fo:footnote-body></fo:footnote></fo:block>";
    }
    const AreaTree tree = lay_out(flow_document(doc));
    EXPECT_EQ(areas_of(tree, AreaKind::Block).size(), static_cast<std::size_t>(kDepth));
    EXPECT_EQ(areas_of(tree, AreaKind::Footnote).size(), static_cast<std::size_t>(kDepth));
    const AreaId page = areas_of(tree, AreaKind::Page).at(0);
    ASSERT_NE(tree.footnotes(page), nullptr);
    EXPECT_EQ(tree.footnotes(page)->size(), 1u);
}

}  // namespace
}  // namespace lorp
