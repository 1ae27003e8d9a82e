#include <gtest/gtest.h>

#include <string>

#include "fo/builder.h"
#include "layout/layout.h"
#include "render/text/text_renderer.h"

namespace lorp {
namespace {

std::string convert(const std::string& sequences) {
    const std::string doc =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:layout-master-set>"
        "<fo:simple-page-master master-name=\"m\"><fo:region-body/></fo:simple-page-master>"
        "</fo:layout-master-set>" +
        sequences + "</fo:root>";
    Result<FoTree> tree = build_fo_tree(doc);
    EXPECT_TRUE(tree.ok()) << (tree.ok() ? "" : display(tree.error()));
    if (!tree.ok()) {
        return {};
    }
    Result<AreaTree> areas = layout(*tree, LayoutConfig{});
    EXPECT_TRUE(areas.ok());
    return areas.ok() ? render_text(*areas) : std::string();
}

TEST(TextOutputTest, DocumentWithHeaderFooterFootnotesAndTwoPages) {
    const std::string rule(40, '-');
    const std::string sequence =
        "<fo:page-sequence master-reference=\"m\">"
        "<fo:static-content flow-name=\"xsl-region-after\"><fo:block>Page <fo:page-number/>"
        "</fo:block></fo:static-content>"
        "<fo:static-content flow-name=\"xsl-region-before\"><fo:retrieve-marker "
        "retrieve-class-name=\"h\"/></fo:static-content>"
        "<fo:flow flow-name=\"xsl-region-body\"><fo:block><fo:marker marker-class-name=\"h\">"
        "<fo:block>Title</fo:block></fo:marker>Hello <fo:inline> world</fo:inline></fo:block>"
        "<fo:block>Note<fo:footnote><fo:inline>1</fo:inline><fo:footnote-body><fo:block>Body"
        "</fo:block></fo:footnote-body></fo:footnote></fo:block>"
        "<fo:block>Chapter<fo:leader leader-pattern=\"dots\" leader-pattern-width=\"100pt\"/>"
        "</fo:block></fo:flow></fo:page-sequence>";
    // The tree builder trims every text run, so "Page " loses its blank.
    EXPECT_EQ(convert(sequence + sequence),
              // the header region comes before the footer in the page, the body after both
              "Title\n" + rule + "\n" + rule + "\nPage1\nHelloworld\nNote1\nChapter....\n" +
                  "\n---\n\n[Footnote] Body\n\n" + "\f--- Page 2 ---\n\n" + "Title\n" + rule +
                  "\n" + rule + "\nPage2\nHelloworld\nNote1\nChapter....\n\n---\n\n" +
                  "[Footnote] Body\n");
}

TEST(TextOutputTest, NoTextGivesEmptyOutput) {
    EXPECT_EQ(
        convert("<fo:page-sequence master-reference=\"m\"><fo:flow flow-name=\"xsl-region-body\">"
                "<fo:block/><fo:block><fo:leader/></fo:block></fo:flow></fo:page-sequence>"),
        "");
}

}  // namespace
}  // namespace lorp
