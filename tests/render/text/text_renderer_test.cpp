#include "render/text/text_renderer.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

// Builds small area trees by hand: each helper adds an area and attaches it.
class TreeBuilder {
public:
    AreaId page() { return tree.add(Area::at(AreaKind::Page)); }
    AreaId under(AreaId parent, AreaKind kind) {
        const AreaId id = tree.add(Area::at(kind));
        EXPECT_TRUE(tree.attach_child(parent, id).ok());
        return id;
    }
    AreaId text(AreaId parent, std::string text) {
        const AreaId id = under(parent, AreaKind::Text);
        tree.get(id).content = TextContent{std::move(text)};
        return id;
    }
    AreaId block_with(AreaId parent, std::string text_run) {
        const AreaId b = under(parent, AreaKind::Block);
        text(b, std::move(text_run));
        return b;
    }
    AreaTree tree;
};

TEST(TextRendererTest, OneBlockGivesItsTextAndOneLineFeed) {
    TreeBuilder t;
    const AreaId body = t.under(t.page(), AreaKind::RegionBody);
    t.block_with(body, "Hello");
    EXPECT_EQ(render_text(t.tree), "Hello\n");
}

TEST(TextRendererTest, EmptyDocumentGivesEmptyString) {
    TreeBuilder t;
    EXPECT_EQ(render_text(t.tree), "");
    const AreaId body = t.under(t.page(), AreaKind::RegionBody);
    t.under(body, AreaKind::Block);
    t.block_with(body, " \n\t\u00a0");  // only white space, a no-break space included
    EXPECT_EQ(render_text(t.tree), "");
}

TEST(TextRendererTest, LaterPagesGetFormFeedAndHeading) {
    TreeBuilder t;
    for (const char* word : {"one", "two", "three"}) {
        t.block_with(t.under(t.page(), AreaKind::RegionBody), word);
    }
    EXPECT_EQ(render_text(t.tree), "one\n\f--- Page 2 ---\n\ntwo\n\f--- Page 3 ---\n\nthree\n");
}

TEST(TextRendererTest, SiblingRunsConcatenateAndTrailingSpaceIsTrimmed) {
    TreeBuilder t;
    const AreaId page = t.page();
    const AreaId body = t.under(page, AreaKind::RegionBody);
    const AreaId b = t.under(body, AreaKind::Block);
    t.text(b, "Block 1 with ");
    const AreaId inl = t.under(b, AreaKind::Inline);
    t.text(inl, "inline");
    t.under(b, AreaKind::Text);  // a Text area without content adds nothing
    t.text(b, " text. \n\n");
    const AreaId fl = t.under(body, AreaKind::Float);
    t.block_with(fl, "floated");
    t.under(t.page(), AreaKind::RegionBody);  // an empty last page keeps its heading
    EXPECT_EQ(render_text(t.tree), "Block 1 with inline text. \n\n\nfloated\n\f--- Page 2 ---\n");
}

TEST(TextRendererTest, HeaderAndFooterAreTrimmedAndRuled) {
    const std::string rule(40, '-');
    TreeBuilder t;
    const AreaId page = t.page();
    const AreaId before = t.under(page, AreaKind::RegionBefore);
    t.block_with(before, "  Chapter 1 ");
    const AreaId after = t.under(page, AreaKind::RegionAfter);
    t.block_with(after, "Page 1");
    t.block_with(t.under(page, AreaKind::RegionStart), "side");
    t.block_with(t.under(page, AreaKind::RegionBody), "Body");
    EXPECT_EQ(render_text(t.tree), "Chapter 1\n" + rule + "\n" + rule + "\nPage 1\nside\nBody\n");
}

TEST(TextRendererTest, BlankHeaderContributesNothing) {
    TreeBuilder t;
    const AreaId page = t.page();
    t.block_with(t.under(page, AreaKind::RegionBefore), "   ");
    t.under(page, AreaKind::RegionAfter);
    t.block_with(t.under(page, AreaKind::RegionBody), "Body");
    EXPECT_EQ(render_text(t.tree), "Body\n");
}

TEST(TextRendererTest, FootnotesFollowTheBodyWithSeparatorAndMarker) {
    TreeBuilder t;
    const AreaId page = t.page();
    const AreaId body = t.under(page, AreaKind::RegionBody);
    const AreaId b = t.block_with(body, "Note 5");
    t.text(b, "*");
    t.under(page, AreaKind::FootnoteSeparator);
    t.block_with(t.under(page, AreaKind::Footnote), "Note");
    t.block_with(t.under(page, AreaKind::Footnote), "Other");
    EXPECT_EQ(render_text(t.tree), "Note 5*\n\n---\n\n[Footnote] Note\n\n\n[Footnote] Other\n");
}

TEST(TextRendererTest, ImageWithBytesIsMarkedOtherwiseItsChildrenShow) {
    TreeBuilder t;
    const AreaId b = t.under(t.under(t.page(), AreaKind::RegionBody), AreaKind::Block);
    const AreaId img = t.under(b, AreaKind::Image);
    t.tree.get(img).content = ImageContent{{0x89, 'P', 'N', 'G'}};
    t.text(img, "hidden");
    const AreaId empty = t.under(b, AreaKind::Image);
    t.text(empty, "alt");
    EXPECT_EQ(render_text(t.tree), "[IMAGE]alt\n");
}

TEST(TextRendererTest, DeepNestingRendersWithoutRecursion) {
    TreeBuilder t;
    AreaId parent = t.under(t.page(), AreaKind::RegionBody);
    for (int i = 0; i < 200000; ++i) {
        parent = t.under(parent, AreaKind::Inline);
    }
    t.text(parent, "deep");
    EXPECT_EQ(render_text(t.tree), "deep\n");
}

}  // namespace
}  // namespace lorp
