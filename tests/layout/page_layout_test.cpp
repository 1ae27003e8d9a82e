#include <gtest/gtest.h>

#include "layout/engine/page_geometry.h"
#include "layout_fixture.h"

namespace lorp {
namespace {

using testing::areas_of;
using testing::fo_document;
using testing::Geometry;
using testing::geometry;
using testing::lay_out;
using testing::nth;
using testing::text_of;

constexpr std::string_view kEmptySequence =
    "<fo:page-sequence master-reference=\"m\"><fo:flow flow-name=\"xsl-region-body\"/>"
    "</fo:page-sequence>";

TEST(PageGeometryTest, RegionRectanglesFollowTheMaster) {
    const struct {
        const char* name;
        const char* master;
        Geometry page, body, before, after, start, end;
    } cases[] = {
        {"missing master: A4 with an inch all round",
         "<fo:simple-page-master master-name=\"other\"><fo:region-body/></fo:simple-page-master>",
         {0, 0, 595276, 841890},
         {72000, 72000, 451276, 697890},
         {},
         {},
         {},
         {}},
        {"master margins default to an inch",
         "<fo:simple-page-master master-name=\"m\" page-width=\"210mm\" page-height=\"297mm\">"
         "<fo:region-body/></fo:simple-page-master>",
         {0, 0, 595276, 841890},
         {72000, 72000, 451276, 697890},
         {72000, 72000, 451276, 0},
         {72000, 769890, 451276, 0},
         {72000, 72000, 0, 697890},
         {523276, 72000, 0, 697890}},
        {"region-before extent pushes the body down",
         "<fo:simple-page-master master-name=\"m\" margin-top=\"1in\">"
         "<fo:region-body margin-top=\"10pt\"/><fo:region-before extent=\"36pt\"/>"
         "</fo:simple-page-master>",
         {0, 0, 595276, 841890},
         {72000, 118000, 451276, 651890},
         {72000, 72000, 451276, 36000},
         {72000, 769890, 451276, 0},
         {72000, 108000, 0, 661890},
         {523276, 108000, 0, 661890}},
        {"every region and body margin",
         "<fo:simple-page-master master-name=\"m\" page-width=\"600pt\" page-height=\"800pt\" "
         "margin=\"10pt\" margin-left=\"20pt\">"
         "<fo:region-body margin=\"5pt\" margin-right=\"7pt\"/><fo:region-before extent=\"30pt\"/>"
         "<fo:region-after extent=\"40pt\"/><fo:region-start extent=\"50pt\"/>"
         "<fo:region-end extent=\"60pt\"/></fo:simple-page-master>",
         // CW = 600-20-10 = 570, CH = 800-10-10-30-40 = 710
         {0, 0, 600000, 800000},
         {75000, 45000, 448000, 700000},
         {20000, 10000, 570000, 30000},
         {20000, 750000, 570000, 40000},
         {20000, 40000, 50000, 710000},
         {530000, 40000, 60000, 710000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const AreaTree tree =
            lay_out(fo_document(c.master,
                                "<fo:page-sequence master-reference=\"m\">"
                                "<fo:static-content flow-name=\"xsl-region-before\"/>"
                                "<fo:static-content flow-name=\"xsl-region-after\"/>"
                                "<fo:static-content flow-name=\"xsl-region-start\"/>"
                                "<fo:static-content flow-name=\"xsl-region-end\"/>"
                                "<fo:flow flow-name=\"xsl-region-body\"/></fo:page-sequence>"));
        EXPECT_EQ(geometry(nth(tree, AreaKind::Page, 0)), c.page);
        EXPECT_EQ(geometry(nth(tree, AreaKind::RegionBody, 0)), c.body);
        EXPECT_EQ(geometry(nth(tree, AreaKind::RegionBefore, 0)), c.before);
        EXPECT_EQ(geometry(nth(tree, AreaKind::RegionAfter, 0)), c.after);
        EXPECT_EQ(geometry(nth(tree, AreaKind::RegionStart, 0)), c.start);
        EXPECT_EQ(geometry(nth(tree, AreaKind::RegionEnd, 0)), c.end);
    }
}

TEST(PageGeometryTest, MasterFoundOnlyAmongSimplePageMasters) {
    Result<FoTree> tree = build_fo_tree(
        fo_document("<fo:page-sequence-master master-name=\"seq\"/>"
                    "<fo:simple-page-master master-name=\"m\" margin=\"0pt\" page-width=\"100pt\" "
                    "page-height=\"200pt\"><fo:region-body/></fo:simple-page-master>",
                    ""));
    ASSERT_TRUE(tree.ok());
    const PageGeometry found = resolve_geometry(*tree, "m", 1, 2);
    EXPECT_EQ(found.region_body, (Rect{0, 0, 100000, 200000}));
    const PageGeometry by_sequence_master = resolve_geometry(*tree, "seq", 300000, 400000);
    EXPECT_EQ(by_sequence_master.page_width, 300000);
    EXPECT_EQ(by_sequence_master.region_body, (Rect{72000, 72000, 156000, 256000}));
}

TEST(PageSequenceTest, EachSequenceIsOnePageWithItsNumber) {
    const AreaTree tree = lay_out(fo_document(
        "<fo:simple-page-master master-name=\"m\"><fo:region-body/></fo:simple-page-master>",
        "<fo:page-sequence master-reference=\"m\" background-color=\"red\">"
        "<fo:flow flow-name=\"xsl-region-body\"><fo:block id=\"first\">a</fo:block></fo:flow>"
        "</fo:page-sequence>"
        "<fo:page-sequence master-reference=\"m\"><fo:flow flow-name=\"xsl-region-body\">"
        "<fo:block><fo:page-number/><fo:page-number-citation ref-id=\"first\"/>"
        "<fo:page-number-citation ref-id=\"third\"/><fo:page-number-citation ref-id=\"nowhere\"/>"
        "<fo:page-number-citation ref-id=\"inl\"/></fo:block></fo:flow></fo:page-sequence>"
        "<fo:block-container><fo:page-sequence master-reference=\"m\" id=\"third\">"
        "<fo:flow flow-name=\"xsl-region-body\"><fo:block><fo:inline id=\"inl\">x</fo:inline>"
        "<fo:page-number/></fo:block></fo:flow></fo:page-sequence></fo:block-container>"));
    ASSERT_EQ(areas_of(tree, AreaKind::Page).size(), 3u);
    EXPECT_EQ(nth(tree, AreaKind::Page, 0).traits->background_color, (Color{255, 0, 0, 255}));
    EXPECT_EQ(nth(tree, AreaKind::Page, 1).traits->background_color, std::nullopt);
    std::vector<std::string> texts;
    for (AreaId id : areas_of(tree, AreaKind::Text)) {
        texts.push_back(text_of(tree.get(id)));
    }
    // page 2: its number, then citations of a block on page 1, of the third
    // page sequence, of an unknown id and of an id on an inline
    EXPECT_EQ(texts, (std::vector<std::string>{"a", "2", "1", "3", "??", "??", "x", "3"}));
}

TEST(StaticContentTest, RegionsStackTheirBlocksAndUnknownFlowNamesAreIgnored) {
    const AreaTree tree = lay_out(fo_document(
        "<fo:simple-page-master master-name=\"m\"><fo:region-body/>"
        "<fo:region-before extent=\"40pt\"/></fo:simple-page-master>",
        "<fo:page-sequence master-reference=\"m\">"
        "<fo:static-content flow-name=\"xsl-region-before\" color=\"blue\">"
        "<fo:block>old</fo:block></fo:static-content>"
        "<fo:static-content flow-name=\"xsl-region-before\">"
        "<fo:block font-size=\"10pt\">one</fo:block><fo:table/><fo:block>two</fo:block>"
        "</fo:static-content>"
        "<fo:static-content flow-name=\"xsl-region-body\"><fo:block>body?</fo:block>"
        "</fo:static-content>"
        "<fo:static-content flow-name=\"xsl-before\"><fo:block>no</fo:block></fo:static-content>"
        "<fo:flow flow-name=\"xsl-region-body\"/></fo:page-sequence>"));
    ASSERT_EQ(areas_of(tree, AreaKind::RegionBefore).size(), 1u);
    const Area& before = nth(tree, AreaKind::RegionBefore, 0);
    EXPECT_EQ(before.traits->color, (Color{0, 0, 0, 255}));  // the last static-content wins
    ASSERT_EQ(areas_of(tree, AreaKind::Block).size(), 2u);
    EXPECT_EQ(geometry(nth(tree, AreaKind::Block, 0)), (Geometry{0, 0, 451276, 10000}));
    EXPECT_EQ(geometry(nth(tree, AreaKind::Block, 1)), (Geometry{0, 10000, 451276, 12000}));
}

TEST(StaticContentTest, RetrieveMarkerPicksFirstOrLastMarkerOfItsClass) {
    const char* flow =
        "<fo:flow flow-name=\"xsl-region-body\">"
        "<fo:block><fo:marker marker-class-name=\"head\"><fo:block>A1</fo:block>"
        "<fo:block>A2</fo:block></fo:marker>x</fo:block>"
        "<fo:block-container><fo:block><fo:marker marker-class-name=\"head\">"
        "<fo:block>B</fo:block></fo:marker></fo:block></fo:block-container></fo:flow>";
    const struct {
        const char* position;
        std::vector<std::string> texts;
    } cases[] = {
        {"", {"A1", "A2"}},
        {" retrieve-position=\"first-starting-within-page\"", {"A1", "A2"}},
        {" retrieve-position=\"first-including-carryover\"", {"A1", "A2"}},
        {" retrieve-position=\"last-starting-within-page\"", {"B"}},
        {" retrieve-position=\"last-ending-within-page\"", {"B"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.position);
        const AreaTree tree = lay_out(fo_document(
            "<fo:simple-page-master master-name=\"m\"><fo:region-body/></fo:simple-page-master>",
            std::string("<fo:page-sequence master-reference=\"m\">"
                        "<fo:static-content flow-name=\"xsl-region-after\">"
                        "<fo:retrieve-marker retrieve-class-name=\"head\"") +
                c.position +
                "/><fo:retrieve-marker retrieve-class-name=\"unknown\"/>"
                "</fo:static-content>" +
                flow + "</fo:page-sequence>"));
        const AreaId region = areas_of(tree, AreaKind::RegionAfter).at(0);
        std::vector<std::string> texts;
        std::int32_t expected_y = 0;
        for (AreaId block : tree.children(region)) {
            EXPECT_EQ(tree.get(block).y, expected_y);  // stacked, not overlapped
            expected_y += 12000;
            texts.push_back(text_of(tree.get(tree.children(block).at(0))));
        }
        EXPECT_EQ(texts, c.texts);
    }
}

TEST(PageSequenceTest, EmptyRootGivesNoPages) {
    EXPECT_EQ(lay_out(fo_document("", "")).size(), 0u);
    EXPECT_EQ(lay_out(fo_document("", std::string(kEmptySequence))).size(), 2u);
}

}  // namespace
}  // namespace lorp
