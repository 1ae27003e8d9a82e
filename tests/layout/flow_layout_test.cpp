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

std::vector<Geometry> block_geometries(const AreaTree& tree) {
    std::vector<Geometry> out;
    for (AreaId id : areas_of(tree, AreaKind::Block)) {
        out.push_back(geometry(tree.get(id)));
    }
    return out;
}

TEST(FlowLayoutTest, BlocksStackByFontSizeAndSpaceBefore) {
    const struct {
        const char* name;
        const char* flow;
        std::vector<Geometry> blocks;
    } cases[] = {
        {"three 12pt blocks",
         "<fo:block>a</fo:block><fo:block>b</fo:block><fo:block>c</fo:block>",
         {{0, 0, 451276, 12000}, {0, 12000, 451276, 12000}, {0, 24000, 451276, 12000}}},
        {"space-before counts, space-after does not",
         "<fo:block font-size=\"10pt\" space-after=\"6pt\">a</fo:block>"
         "<fo:block space-before=\"6pt\">b</fo:block><fo:block>c</fo:block>",
         {{0, 0, 451276, 10000}, {0, 16000, 451276, 12000}, {0, 28000, 451276, 12000}}},
        {"indents",
         "<fo:block start-indent=\"1in\" end-indent=\"0.5in\">a</fo:block>",
         {{72000, 0, 343276, 12000}}},
        {"non-blocks and nested blocks make nothing",
         "<fo:block>a</fo:block><fo:table/><fo:list-block/>"
         "<fo:external-graphic src=\"x.png\"/><fo:wrapper/>"
         "<fo:block-container font-size=\"8pt\"><fo:block>inner</fo:block></fo:block-container>"
         "<fo:block>b<fo:block>nested</fo:block></fo:block>",
         {{0, 0, 451276, 12000}, {0, 12000, 451276, 8000}, {0, 20000, 451276, 12000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(block_geometries(lay_out(flow_document(c.flow))), c.blocks);
    }
}

TEST(FlowLayoutTest, NoPaginationContentRunsPastTheBody) {
    std::string flow;
    for (int i = 0; i < 200; ++i) {
        flow += "<fo:block>x</fo:block>";
    }
    const AreaTree tree = lay_out(flow_document(flow));
    EXPECT_EQ(areas_of(tree, AreaKind::Page).size(), 1u);
    EXPECT_EQ(nth(tree, AreaKind::Block, 199).y, 2388000);
}

TEST(FlowLayoutTest, ColumnsFillTopToBottomThenMoveRight) {
    // body 451276 wide and 697890 high; two columns of 219638 with a 12pt gap
    std::string flow;
    for (int i = 0; i < 3; ++i) {
        flow +=
            "<fo:block font-size=\"300pt\" start-indent=\"2pt\" end-indent=\"3pt\">x</fo:block>";
    }
    flow += "<fo:block>last column overflows</fo:block>";
    flow += "<fo:float float=\"left\"><fo:block>ignored</fo:block></fo:float>";
    const AreaTree tree = lay_out(flow_document(flow, "column-count=\"2\" column-gap=\"12pt\""));
    EXPECT_EQ(block_geometries(tree), (std::vector<Geometry>{{2000, 0, 214638, 300000},
                                                             {2000, 300000, 214638, 300000},
                                                             {233638, 0, 214638, 300000},
                                                             {231638, 300000, 219638, 12000}}));
    EXPECT_TRUE(areas_of(tree, AreaKind::Float).empty());
}

TEST(FlowLayoutTest, ColumnTestCountsSpacesAndBreaksMoveColumns) {
    const struct {
        const char* name;
        const char* flow;
        std::vector<Geometry> blocks;
    } cases[] = {
        // 690000 + 6000 fits under 697890 alone, but the test adds
        // space-before twice and space-after once.
        {"spaces in the column test",
         "<fo:block font-size=\"690pt\">a</fo:block>"
         "<fo:block font-size=\"1pt\" space-before=\"2pt\" space-after=\"3pt\">b</fo:block>",
         {{0, 0, 219638, 690000}, {231638, 0, 219638, 1000}}},
        {"space-after pushes the next block",
         "<fo:block space-after=\"6pt\">a</fo:block><fo:block>b</fo:block>",
         {{0, 0, 219638, 12000}, {0, 18000, 219638, 12000}}},
        {"break-before column",
         "<fo:block>a</fo:block><fo:block break-before=\"column\" "
         "space-before=\"5pt\">b</fo:block>",
         {{0, 0, 219638, 12000}, {231638, 0, 219638, 12000}}},
        {"break-before page moves to the next column too",
         "<fo:block>a</fo:block><fo:block break-before=\"page\">b</fo:block>",
         {{0, 0, 219638, 12000}, {231638, 0, 219638, 12000}}},
        {"break-after column",
         "<fo:block break-after=\"column\">a</fo:block><fo:block>b</fo:block>"
         "<fo:block break-after=\"page\">c</fo:block><fo:block>d</fo:block>",
         {{0, 0, 219638, 12000},
          {231638, 0, 219638, 12000},
          {231638, 12000, 219638, 12000},
          {231638, 24000, 219638, 12000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(block_geometries(lay_out(flow_document(c.flow, "column-count=\"2\""))), c.blocks);
    }
}

TEST(FlowLayoutTest, SingleColumnIgnoresBreaks) {
    EXPECT_EQ(
        block_geometries(lay_out(flow_document("<fo:block break-after=\"column\">a</fo:block>"
                                               "<fo:block break-before=\"page\">b</fo:block>"))),
        (std::vector<Geometry>{{0, 0, 451276, 12000}, {0, 12000, 451276, 12000}}));
}

TEST(FloatLayoutTest, FloatsNarrowAndShiftTheBlocksBesideThem) {
    const struct {
        const char* name;
        const char* flow;
        std::vector<Geometry> floats;
        std::vector<Geometry> blocks;
    } cases[] = {
        {"left float without width spans the body",
         "<fo:float float=\"left\"/><fo:block>a</fo:block>",
         {{0, 0, 451276, 50000}},
         {{451276, 0, 0, 12000}}},
        {"right float takes its child's width",
         "<fo:float float=\"right\"><fo:block width=\"100pt\">x</fo:block>"
         "<fo:block>y</fo:block></fo:float><fo:block>a</fo:block>",
         {{351276, 0, 100000, 24000}},
         {{0, 0, 100000, 12000}, {0, 12000, 100000, 12000}, {0, 0, 351276, 12000}}},
        {"left floats side by side, block shifted past both; float ends",
         "<fo:float float=\"start\"><fo:block inline-progression-dimension=\"50pt\">x</fo:block>"
         "</fo:float><fo:float float=\"left\"><fo:external-graphic src=\"i.png\" "
         "content-width=\"30pt\"/></fo:float><fo:block>a</fo:block>"
         "<fo:block font-size=\"40pt\">b</fo:block><fo:block>c</fo:block>",
         {{0, 0, 50000, 12000}, {50000, 0, 30000, 50000}},
         {{0, 0, 50000, 12000},
          {80000, 0, 371276, 12000},
          {30000, 12000, 421276, 40000},
          {0, 52000, 451276, 12000}}},
        {"clear both waits for the float and gets the full width",
         "<fo:float float=\"left\"><fo:block width=\"100pt\" font-size=\"50pt\">x</fo:block>"
         "</fo:float><fo:block clear=\"both\" space-before=\"2pt\">a</fo:block>",
         {{0, 0, 100000, 50000}},
         {{0, 0, 100000, 50000}, {0, 52000, 451276, 12000}}},
        {"clear right ignores left floats",
         "<fo:float float=\"left\"><fo:block width=\"100pt\">x</fo:block></fo:float>"
         "<fo:block clear=\"right\">a</fo:block>",
         {{0, 0, 100000, 12000}},
         {{0, 0, 100000, 12000}, {100000, 0, 351276, 12000}}},
        {"float none makes nothing",
         "<fo:float float=\"none\"><fo:block>x</fo:block></fo:float><fo:float/>"
         "<fo:block>a</fo:block>",
         {},
         {{0, 0, 451276, 12000}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AreaTree tree = lay_out(flow_document(c.flow));
        std::vector<Geometry> floats;
        for (AreaId id : areas_of(tree, AreaKind::Float)) {
            floats.push_back(geometry(tree.get(id)));
        }
        EXPECT_EQ(floats, c.floats);
        EXPECT_EQ(block_geometries(tree), c.blocks);
    }
}

TEST(FloatLayoutTest, InsideAndOutsideDependOnPageParity) {
    const std::string seq =
        "<fo:page-sequence master-reference=\"A4\"><fo:flow flow-name=\"xsl-region-body\">"
        "<fo:float float=\"inside\"><fo:block width=\"10pt\">i</fo:block></fo:float>"
        "<fo:float float=\"outside\"><fo:block width=\"20pt\">o</fo:block></fo:float>"
        "</fo:flow></fo:page-sequence>";
    const AreaTree tree = lay_out(testing::fo_document(
        "<fo:simple-page-master master-name=\"A4\"><fo:region-body/></fo:simple-page-master>",
        seq + seq));
    std::vector<std::int32_t> xs;
    for (AreaId id : areas_of(tree, AreaKind::Float)) {
        xs.push_back(tree.get(id).x);
    }
    // page 1 (odd): inside left, outside right; page 2: the other way round
    EXPECT_EQ(xs, (std::vector<std::int32_t>{0, 431276, 441276, 0}));
}

TEST(FootnoteLayoutTest, FootnotesStackAtTheBottomOfTheBodyUnderASeparator) {
    const AreaTree tree = lay_out(flow_document(
        "<fo:block text-indent=\"5pt\">Note<fo:footnote><fo:inline>*</fo:inline>"
        "<fo:footnote-body><fo:block>one</fo:block></fo:footnote-body></fo:footnote>"
        "</fo:block>"
        "<fo:block><fo:footnote><fo:inline>1</fo:inline><fo:inline color=\"red\">2</fo:inline>"
        "<fo:footnote-body><fo:block>two</fo:block><fo:block font-size=\"1pt\" "
        "space-before=\"11pt\">b</fo:block></fo:footnote-body></fo:footnote>x</fo:block>"));
    const AreaId page = areas_of(tree, AreaKind::Page).at(0);
    const std::vector<AreaId> on_page = tree.children(page);
    ASSERT_EQ(on_page.size(), 4u);  // body region, separator, two footnotes
    const Area& separator = tree.get(on_page[1]);
    EXPECT_EQ(separator.kind, AreaKind::FootnoteSeparator);
    EXPECT_EQ(geometry(separator), (Geometry{72000, 726890, 150425, 1000}));
    EXPECT_EQ(separator.traits->border_widths, (SideLengths{1000, 0, 0, 0}));
    ASSERT_TRUE(separator.traits->border_styles);
    EXPECT_EQ((*separator.traits->border_styles)[0], BorderStyle::Solid);
    EXPECT_EQ((*separator.traits->border_styles)[1], BorderStyle::None);
    EXPECT_EQ(separator.traits->color, std::nullopt);
    EXPECT_EQ(geometry(tree.get(on_page[2])), (Geometry{72000, 733890, 451276, 12000}));
    EXPECT_EQ(geometry(tree.get(on_page[3])), (Geometry{72000, 745890, 451276, 24000}));

    // The citation sits in the block at the slot's x: text-indent is used up
    // by the first text, and the last fo:inline is the citation.
    const AreaId first_block = areas_of(tree, AreaKind::Block).at(0);
    const std::vector<AreaId> cited = tree.children(first_block);
    ASSERT_EQ(cited.size(), 2u);
    EXPECT_EQ(tree.get(cited[1]).x, 0);
    EXPECT_EQ(text_of(tree.get(cited[1])), "*");
    const Area& red = nth(tree, AreaKind::Text, 3);
    EXPECT_EQ(text_of(red), "2");
    EXPECT_EQ(red.traits->color, (Color{255, 0, 0, 255}));
    EXPECT_EQ(red.x, 0);
}

TEST(FootnoteLayoutTest, EmptyBodyKeepsTenPointsAndNoFootnoteNoSeparator) {
    const AreaTree with_empty = lay_out(flow_document(
        "<fo:block><fo:footnote><fo:inline>*</fo:inline><fo:footnote-body/></fo:footnote>"
        "</fo:block>"));
    EXPECT_EQ(geometry(nth(with_empty, AreaKind::Footnote, 0)),
              (Geometry{72000, 759890, 451276, 10000}));
    EXPECT_EQ(nth(with_empty, AreaKind::FootnoteSeparator, 0).y, 752890);

    const AreaTree without = lay_out(flow_document("<fo:block>plain</fo:block>"));
    EXPECT_TRUE(areas_of(without, AreaKind::FootnoteSeparator).empty());
}

TEST(FootnoteLayoutTest, FootnotesInStaticContentLandOnThePage) {
    const AreaTree tree = lay_out(testing::fo_document(
        "<fo:simple-page-master master-name=\"A4\"><fo:region-body/></fo:simple-page-master>",
        "<fo:page-sequence master-reference=\"A4\">"
        "<fo:static-content flow-name=\"xsl-region-before\"><fo:block>h<fo:footnote>"
        "<fo:inline>*</fo:inline><fo:footnote-body><fo:block>in header</fo:block>"
        "</fo:footnote-body></fo:footnote></fo:block></fo:static-content>"
        "<fo:flow flow-name=\"xsl-region-body\"/></fo:page-sequence>"));
    const AreaId footnote = areas_of(tree, AreaKind::Footnote).at(0);
    EXPECT_EQ(tree.parent(footnote), areas_of(tree, AreaKind::Page).at(0));
}

}  // namespace
}  // namespace lorp
