// The area procedure through render_pdf: pages, clipping, backgrounds,
// opacity states, kinds, links and images, compared byte for byte.
#include "render/pdf/area_drawing.h"

#include <gtest/gtest.h>

#include "render/pdf/render_test_support.h"

namespace lorp {
namespace {

using render_test::content;
using render_test::PageTree;
using render_test::rendered;
using render_test::text_area;

// A 2 by 1 pixel RGB PNG.
const std::vector<std::uint8_t> kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7B,
    0x40, 0xE8, 0xDD, 0x00, 0x00, 0x00, 0x0F, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
    0xCF, 0xC0, 0xF0, 0xFF, 0xFF, 0x7F, 0x00, 0x0B, 0xFB, 0x03, 0xFD, 0xDD, 0x17, 0x6F, 0x47,
    0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

const Color kRed{255, 0, 0, 255};

Area block(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
    return Area::at(AreaKind::Block, x, y, width, height);
}

TEST(AreaDrawing, DocumentHasOnePagePerPageAreaInArenaOrder) {
    AreaTree tree;
    const AreaId first = tree.add(Area::at(AreaKind::Page, 0, 0, 595276, 841890));
    // A stray area without parent is never drawn.
    tree.add(text_area(0, 0, "stray"));
    const AreaId second = tree.add(Area::at(AreaKind::Page, 7000, 9000, 612000, 792000));
    ASSERT_TRUE(tree.attach_child(second, tree.add(text_area(1000, 0, "two"))).ok());
    (void)first;

    PdfDocument document = rendered(tree);
    EXPECT_EQ(document.version, "1.4");
    EXPECT_EQ(document.title, "LORP Generated PDF");
    EXPECT_FALSE(document.author || document.subject || document.creation_date || document.lang ||
                 document.outline || document.encryption || document.file_id);
    EXPECT_EQ(document.conformance, 0);
    ASSERT_EQ(document.pages.size(), 2u);
    EXPECT_EQ(document.pages[0].width, 595276);
    EXPECT_EQ(document.pages[0].height, 841890);
    EXPECT_EQ(document.pages[0].content, "");
    EXPECT_EQ(document.pages[1].width, 612000);
    // The page's own offset does not move its children.
    EXPECT_EQ(document.pages[1].content,
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n1 780 Td\n(two) Tj\nET\n");

    EXPECT_TRUE(rendered(AreaTree{}).pages.empty());
}

TEST(AreaDrawing, BackgroundFillsTheFlippedRectangle) {
    PageTree t;
    Area area = block(10000, 20000, 100000, 50000);
    area.traits.edit().background_color = kRed;
    t.child(std::move(area));
    Area grey = block(-500, 0, 1, 792000);
    grey.traits.edit().background_color = Color{128, 128, 128, 10};  // alpha is not written
    t.child(std::move(grey));
    EXPECT_EQ(content(t.tree),
              "1.000 0.000 0.000 rg\n10.000 722.000 100.000 50.000 re f\n"
              "0.502 0.502 0.502 rg\n-0.500 0.000 0.001 792.000 re f\n");
}

TEST(AreaDrawing, ChildrenAreDrawnRelativeToTheirParents) {
    PageTree t;
    const AreaId outer = t.child(block(10000, 10000, 200000, 50000));
    const AreaId inline_area = t.child(outer, Area::at(AreaKind::Inline, 1000, 1000, 100, 100));
    t.child(inline_area, text_area(500, 500, "deep"));
    t.child(outer, text_area(0, 0, "next"));
    EXPECT_EQ(content(t.tree),
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n11.5 768.5 Td\n(deep) Tj\nET\n"
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n10 770 Td\n(next) Tj\nET\n");
}

TEST(AreaDrawing, HiddenAndScrollOverflowClipPaintingAndChildren) {
    struct Case {
        Overflow overflow;
        bool clips;
    };
    for (const Case& c : {Case{Overflow::Hidden, true}, Case{Overflow::Scroll, true},
                          Case{Overflow::Auto, false}, Case{Overflow::Unset, false}}) {
        PageTree t;
        Area area = block(10000, 20000, 100000, 50000);
        area.traits.edit().overflow = c.overflow;
        area.traits.edit().background_color = kRed;
        const AreaId clipped = t.child(std::move(area));
        t.child(clipped, text_area(1000, 2000, "in"));
        t.child(text_area(0, 0, "out"));
        const std::string inside =
            "1.000 0.000 0.000 rg\n10.000 722.000 100.000 50.000 re f\n"
            "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n11 758 Td\n(in) Tj\nET\n";
        const std::string after = "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n0 780 Td\n(out) Tj\nET\n";
        const std::string expected =
            c.clips ? "q\n10.000 722.000 100.000 50.000 re W n\n" + inside + "Q\n" + after
                    : inside + after;
        EXPECT_EQ(content(t.tree), expected) << static_cast<int>(c.overflow);
    }

    // An area drawn without visiting children closes its clip at once.
    PageTree t;
    Area text = text_area(0, 0, "t");
    text.traits.edit().overflow = Overflow::Hidden;
    t.child(std::move(text));
    EXPECT_EQ(content(t.tree),
              "q\n0.000 780.000 50.000 12.000 re W n\n"
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n0 780 Td\n(t) Tj\nET\nQ\n");
}

TEST(AreaDrawing, OpacityStatesAreSharedWithinEpsilonAndSetBeforeEachPainting) {
    PageTree t;
    auto add = [&](double opacity, bool borders) {
        Area area = block(0, 0, 1000, 1000);
        area.traits.edit().opacity = opacity;
        area.traits.edit().background_color = kRed;
        if (borders) {
            TraitRecord& area_traits = area.traits.edit();
            area_traits.border_widths = SideLengths{1000, 0, 0, 0};
            area_traits.border_colors = SideColors{};
            area_traits.border_styles = SideStyles{BorderStyle::Solid, BorderStyle::None,
                                                   BorderStyle::None, BorderStyle::None};
        }
        t.child(std::move(area));
    };
    add(0.5, true);
    add(0.5 + 0x1p-53, false);  // within the epsilon of 0.5
    add(1.0, false);
    add(1.0 - 0x1p-53, false);  // within the epsilon of 1: no state
    add(0.25, false);

    PdfDocument document = rendered(t.tree);
    ASSERT_EQ(document.ext_gstates.size(), 2u);
    EXPECT_EQ(document.ext_gstates[0].fill_alpha, 0.5);
    EXPECT_EQ(document.ext_gstates[0].stroke_alpha, 0.5);
    EXPECT_EQ(document.ext_gstates[1].fill_alpha, 0.25);
    const std::string fill = "1.000 0.000 0.000 rg\n0.000 791.000 1.000 1.000 re f\n";
    EXPECT_EQ(document.pages[0].content, "/GS0 gs\n" + fill +
                                             "/GS0 gs\n0.000 0.000 0.000 RG\n1.000 w\n[] 0.000 d\n"
                                             "0.000 792.000 m 1.000 792.000 l S\n[] 0.000 d\n" +
                                             "/GS0 gs\n" + fill + fill + fill + "/GS1 gs\n" + fill);
}

TEST(AreaDrawing, KindsDecideWhetherChildrenAreVisited) {
    PageTree t;
    // A Text area without text draws nothing, not even its children.
    const AreaId empty_text = t.child(Area::at(AreaKind::Text, 0, 0, 10, 10));
    t.child(empty_text, text_area(0, 0, "hidden"));
    // A Text area with text draws only its text.
    const AreaId text = t.child(text_area(0, 0, "shown"));
    t.child(text, text_area(0, 0, "hidden"));
    // Containers draw their children: one of each remaining kind.
    AreaId parent = t.page;
    for (AreaKind kind : {AreaKind::RegionBody, AreaKind::RegionBefore, AreaKind::RegionAfter,
                          AreaKind::RegionStart, AreaKind::RegionEnd, AreaKind::Block,
                          AreaKind::Inline, AreaKind::Footnote, AreaKind::FootnoteSeparator,
                          AreaKind::Float, AreaKind::Image, AreaKind::Page}) {
        parent = t.child(parent, Area::at(kind, 1000, 0, 10, 10));
    }
    t.child(parent, text_area(0, 0, "nested"));
    EXPECT_EQ(content(t.tree),
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n0 780 Td\n(shown) Tj\nET\n"
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n12 780 Td\n(nested) Tj\nET\n");
}

TEST(AreaDrawing, LinksOfInlineAndTextAreas) {
    struct Case {
        const char* destination;
        LinkKind kind;
    };
    const Case cases[] = {
        {"https://example.org/", LinkKind::External},
        {"http://x", LinkKind::External},
        {"mailto:x", LinkKind::External},
        {"#x", LinkKind::Internal},
        {"x", LinkKind::Internal},
        {"HTTP://x", LinkKind::Internal},
        {"ftp://x", LinkKind::Internal},
    };
    for (const Case& c : cases) {
        PageTree t;
        Area link = Area::at(AreaKind::Inline, 10000, 20000, 100000, 15000);
        link.traits.edit().link_destination = c.destination;
        const AreaId inline_area = t.child(std::move(link));
        Area text = text_area(0, 0, "go");
        text.width = 40000;
        text.traits.edit().font_size = 10000;
        text.traits.edit().link_destination = c.destination;
        t.child(inline_area, std::move(text));

        PdfDocument document = rendered(t.tree);
        const auto& links = document.pages[0].links;
        ASSERT_EQ(links.size(), 2u) << c.destination;
        // The inline's rectangle, then the text's from its baseline to its top.
        EXPECT_EQ(links[0].kind, c.kind) << c.destination;
        EXPECT_EQ(links[0].target, c.destination);
        EXPECT_EQ((std::array{links[0].x1, links[0].y1, links[0].x2, links[0].y2}),
                  (std::array{10.0, 757.0, 110.0, 772.0}));
        EXPECT_EQ(links[1].kind, c.kind) << c.destination;
        EXPECT_EQ(links[1].target, c.destination);
        EXPECT_EQ((std::array{links[1].x1, links[1].y1, links[1].x2, links[1].y2}),
                  (std::array{10.0, 762.0, 50.0, 772.0}));
        // The inline's children were drawn.
        EXPECT_NE(document.pages[0].content.find("(go) Tj"), std::string::npos);
    }
}

TEST(AreaDrawing, ImagesAreStretchedOverTheirAreaEachWithItsOwnObject) {
    PageTree t;
    Area image = Area::at(AreaKind::Image, 10000, 20000, 100000, 50000);
    image.content = ImageContent{kPng};
    const AreaId first = t.child(image);
    t.child(first, text_area(0, 0, "caption"));
    image.x = 0;
    t.child(std::move(image));
    // An Image area without bytes draws nothing of its own.
    t.child(Area::at(AreaKind::Image, 0, 0, 10, 10));

    PdfDocument document = rendered(t.tree);
    ASSERT_EQ(document.images.size(), 2u);
    EXPECT_EQ(document.images[0].width, 2u);
    EXPECT_EQ(document.images[0].color_space, "DeviceRGB");
    EXPECT_EQ(document.pages[0].content,
              "q\n100.000 0 0 50.000 10.000 722.000 cm\n/Im0 Do\nQ\n"
              "0.000 0.000 0.000 rg\nBT\n/F1 12 Tf\n10 760 Td\n(caption) Tj\nET\n"
              "q\n100.000 0 0 50.000 0.000 722.000 cm\n/Im1 Do\nQ\n");
}

TEST(AreaDrawing, AnImageThatDoesNotConvertFailsTheRender) {
    PageTree t;
    t.child(text_area(0, 0, "before"));
    Area image = Area::at(AreaKind::Image, 0, 0, 10, 10);
    image.content = ImageContent{{'G', 'I', 'F', '8', '9', 'a', 0, 0, 0}};
    t.child(std::move(image));
    auto result = render_pdf(t.tree, {});
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(display(result.error()), "Unknown image format");
}

// Inline nesting is the document's to choose; the walk must not use the call
// stack for it.
TEST(AreaDrawing, DeepNestingIsDrawnWithoutRecursion) {
    constexpr int kDepth = 100000;
    PageTree t;
    t.tree.reserve(kDepth + 2);
    AreaId parent = t.page;
    for (int i = 0; i < kDepth; ++i) {
        Area area = Area::at(AreaKind::Inline, 1, 0, 10, 10);
        area.traits.edit().overflow = i % 2 == 0 ? Overflow::Hidden : Overflow::Unset;
        parent = t.child(parent, std::move(area));
    }
    t.child(parent, text_area(0, 0, "bottom"));
    const std::string stream = content(t.tree);
    EXPECT_NE(stream.find("BT\n/F1 12 Tf\n100 780 Td\n(bottom) Tj\nET\n"), std::string::npos);
    // Every clip that was opened is closed, innermost first, after the text.
    std::string closes;
    for (int i = 0; i < kDepth / 2; ++i) {
        closes += "Q\n";
    }
    EXPECT_EQ(stream.substr(stream.find("ET\n") + 3), closes);
}

}  // namespace
}  // namespace lorp
