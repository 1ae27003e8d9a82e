// The SVG renderer over small area trees, compared byte for byte.
#include "render/svg/svg_renderer.h"

#include <gtest/gtest.h>

#include "render/image/image_fixtures.h"
#include "render/svg/data_uri.h"
#include "render/svg/svg_test_support.h"

namespace lorp {
namespace {

using svg_test::elements;
using svg_test::PageTree;
using svg_test::svg;
using svg_test::text_area;

const Color kRed{255, 0, 0, 255};
const Color kBlue{0, 0, 255, 255};

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
constexpr const char* kNamespaces =
    "xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"";

TEST(SvgRenderer, DocumentWithoutPages) {
    AreaTree tree;
    tree.add(text_area(0, 0, "never attached"));
    EXPECT_EQ(svg(tree),
              std::string(kDeclaration) + "<svg xmlns=\"http://www.w3.org/2000/svg\" />");
}

TEST(SvgRenderer, OnePageDocument) {
    PageTree t;
    Area block = Area::at(AreaKind::Block, 72000, 100000, 451280, 20000);
    block.traits.edit().background_color = kRed;
    const AreaId id = t.child(std::move(block));
    Area text = text_area(0, 0, "A & B");
    text.traits.edit().font_size = 10000;
    t.child(id, std::move(text));
    EXPECT_EQ(svg(t.tree),
              std::string(kDeclaration) + "\n<svg " + kNamespaces +
                  " width=\"595.28\" height=\"841.89\" viewBox=\"0 0 595.28 841.89\">\n"
                  "  <rect x=\"72\" y=\"100\" width=\"451.28\" height=\"20\" fill=\"#ff0000\" />\n"
                  "  <text x=\"72\" y=\"110\" font-size=\"10\" fill=\"#000000\">A &amp; B</text>\n"
                  "</svg>");

    PageTree empty(612000, 792000);
    EXPECT_EQ(svg(empty.tree), std::string(kDeclaration) + "\n<svg " + kNamespaces +
                                   " width=\"612\" height=\"792\" viewBox=\"0 0 612 792\">\n"
                                   "</svg>");
}

TEST(SvgRenderer, SeveralPagesAreGroupsOfOneSvgElement) {
    AreaTree tree;
    const AreaId first = tree.add(Area::at(AreaKind::Page, 0, 0, 612000, 792000));
    const AreaId second = tree.add(Area::at(AreaKind::Page, 0, 0, 595280, 841890));
    tree.add(Area::at(AreaKind::Page, 0, 0, 1000, 1000));
    ASSERT_TRUE(tree.attach_child(first, tree.add(text_area(-250, 12500, "one"))).ok());
    Area clip = Area::at(AreaKind::Block, 0, 0, 1000, 1000);
    clip.traits.edit().overflow = Overflow::Hidden;
    const AreaId clipped = tree.add(std::move(clip));
    ASSERT_TRUE(tree.attach_child(second, clipped).ok());
    ASSERT_TRUE(tree.attach_child(clipped, tree.add(text_area(0, 0, "two"))).ok());
    EXPECT_EQ(
        svg(tree),
        std::string(kDeclaration) + "\n<svg " + kNamespaces +
            ">\n"
            "  <g id=\"page-1\">\n"
            "      <text x=\"-0.25\" y=\"24.5\" font-size=\"12\" fill=\"#000000\">one</text>\n"
            "  </g>\n"
            "  <g id=\"page-2\">\n"
            "      <g clip-path=\"url(#clip-0-0)\"><defs><clipPath id=\"clip-0-0\">"
            "<rect x=\"0\" y=\"0\" width=\"1\" height=\"1\"/></clipPath></defs>\n"
            "      <text x=\"0\" y=\"12\" font-size=\"12\" fill=\"#000000\">two</text>\n"
            "      </g>\n"
            "  </g>\n"
            "  <g id=\"page-3\">\n"
            "  </g>\n"
            "</svg>\n");
}

TEST(SvgRenderer, TextRunAttributesInOrder) {
    struct Case {
        const char* name;
        void (*set)(TraitRecord&);
        const char* attributes;  // after fill
    };
    const Case cases[] = {
        {"plain", [](TraitRecord&) {}, ""},
        {"weight 400", [](TraitRecord& t) { t.font_weight = 400; }, ""},
        {"weight 700", [](TraitRecord& t) { t.font_weight = 700; }, " font-weight=\"700\""},
        {"normal", [](TraitRecord& t) { t.font_style = FontStyle::Normal; }, ""},
        {"italic", [](TraitRecord& t) { t.font_style = FontStyle::Italic; },
         " font-style=\"italic\""},
        {"oblique", [](TraitRecord& t) { t.font_style = FontStyle::Oblique; },
         " font-style=\"italic\""},
        {"family", [](TraitRecord& t) { t.font_family = "Times \"New\" <Roman>"; },
         " font-family=\"Times &quot;New&quot; &lt;Roman&gt;\""},
        {"empty family", [](TraitRecord& t) { t.font_family = ""; }, ""},
        {"no decoration", [](TraitRecord& t) { t.text_decoration = TextDecoration{}; }, ""},
        {"decorations",
         [](TraitRecord& t) {
             t.text_decoration = TextDecoration{true, false, true};
         },
         " text-decoration=\"underline line-through\""},
        {"everything",
         [](TraitRecord& t) {
             t.text_decoration = TextDecoration{false, true, false};
             t.font_style = FontStyle::Italic;
             t.font_weight = 100;
             t.font_family = "serif";
         },
         " font-family=\"serif\" font-weight=\"100\" font-style=\"italic\""
         " text-decoration=\"overline\""},
    };
    for (const Case& c : cases) {
        PageTree t;
        Area area = text_area(72000, 100000, "it's <b>");
        area.traits.edit().color = Color{0x12, 0xAB, 0xFE, 0};
        area.traits.edit().font_size = 10500;
        c.set(area.traits.edit());
        t.child(std::move(area));
        EXPECT_EQ(elements(t.tree), std::string("<text x=\"72\" y=\"110.5\" font-size=\"10.5\" "
                                                "fill=\"#12abfe\"") +
                                        c.attributes + ">it&apos;s &lt;b&gt;</text>\n")
            << c.name;
    }
}

TEST(SvgRenderer, BackgroundOpacityAndCornerRadius) {
    struct Case {
        std::optional<double> opacity;
        std::optional<SideLengths> radii;
        const char* tail;
    };
    const Case cases[] = {
        {std::nullopt, std::nullopt, ""},
        {1.0, SideLengths{0, 4000, 4000, 4000}, ""},
        {0.5, std::nullopt, " opacity=\"0.5\""},
        {0.25, SideLengths{3500, 0, 0, 0}, " opacity=\"0.25\" rx=\"3.5\""},
        {std::nullopt, SideLengths{-1000, 0, 0, 0}, ""},
    };
    for (const Case& c : cases) {
        PageTree t;
        Area area = Area::at(AreaKind::Block, 1000, 2000, 3000, 4000);
        TraitRecord& area_traits = area.traits.edit();
        area_traits.background_color = kBlue;
        area_traits.opacity = c.opacity;
        area_traits.border_radii = c.radii;
        t.child(std::move(area));
        EXPECT_EQ(elements(t.tree),
                  std::string("<rect x=\"1\" y=\"2\" width=\"3\" height=\"4\" fill=\"#0000ff\"") +
                      c.tail + " />\n")
            << c.tail;
    }
}

TEST(SvgRenderer, BorderSidesAreFilledRectanglesInsideTheBox) {
    using enum BorderStyle;
    PageTree t;
    Area area = Area::at(AreaKind::Block, 10000, 20000, 100000, 50000);
    TraitRecord& area_traits = area.traits.edit();
    area_traits.border_widths = SideLengths{1000, 2000, 500, 1500};
    area_traits.border_styles = SideStyles{Dashed, Groove, Dotted, Double};
    area_traits.border_colors = SideColors{kRed, kBlue, kRed, kBlue};
    area_traits.opacity = 0.75;
    t.child(area);
    EXPECT_EQ(elements(t.tree),
              "<rect x=\"10\" y=\"20\" width=\"100\" height=\"1\" fill=\"#ff0000\" stroke=\"none\" "
              "opacity=\"0.75\" />\n"
              "<rect x=\"108\" y=\"20\" width=\"2\" height=\"50\" fill=\"#0000ff\" stroke=\"none\" "
              "opacity=\"0.75\" />\n"
              "<rect x=\"10\" y=\"69.5\" width=\"100\" height=\"0.5\" fill=\"#ff0000\" "
              "stroke=\"none\" opacity=\"0.75\" />\n"
              "<rect x=\"10\" y=\"20\" width=\"1.5\" height=\"50\" fill=\"#0000ff\" "
              "stroke=\"none\" opacity=\"0.75\" />\n");

    // Width 0 or below, none and hidden are not drawn; nor is anything
    // without all three side records.
    PageTree skipped;
    // The first tree shares the record: editing gives this area its own.
    TraitRecord& skipped_traits = area.traits.edit();
    skipped_traits.opacity.reset();
    skipped_traits.border_widths = SideLengths{0, -1000, 1000, 1000};
    skipped_traits.border_styles = SideStyles{Solid, Solid, None, Hidden};
    skipped.child(area);
    Area partial = area;
    TraitRecord& partial_traits = partial.traits.edit();
    partial_traits.border_widths = SideLengths{1000, 1000, 1000, 1000};
    partial_traits.border_styles = SideStyles{Solid, Solid, Solid, Solid};
    partial_traits.border_colors.reset();
    skipped.child(partial);
    EXPECT_EQ(elements(skipped.tree), "");
}

TEST(SvgRenderer, LeaderRules) {
    struct Case {
        const char* pattern;
        std::optional<std::int32_t> thickness;
        const char* style;
        std::int32_t height;
        const char* expected;
    };
    const Case cases[] = {
        {"rule", 1000, nullptr, 12000,
         "<line x1=\"10\" y1=\"106\" x2=\"110\" y2=\"106\" stroke=\"#000000\" "
         "stroke-width=\"1\" />\n"},
        {"rule", 300, "dashed", 11000,
         "<line x1=\"10\" y1=\"105.5\" x2=\"110\" y2=\"105.5\" stroke=\"#000000\" "
         "stroke-width=\"0.3\" stroke-dasharray=\"5,5\" />\n"},
        {"rule", std::nullopt, "dotted", 12000,
         "<line x1=\"10\" y1=\"106\" x2=\"110\" y2=\"106\" stroke=\"#000000\" "
         "stroke-width=\"0.5\" stroke-dasharray=\"2,2\" />\n"},
        // Both halves drop their remainder: 250 + (0 - 501) / 2 = 250 - 250.
        {"rule", 501, "solid", 0,
         "<line x1=\"10\" y1=\"100\" x2=\"110\" y2=\"100\" stroke=\"#000000\" "
         "stroke-width=\"0.501\" />\n"},
        {"dots", 1000, nullptr, 12000, ""},
        {"space", 1000, nullptr, 12000, ""},
    };
    for (AreaKind kind : {AreaKind::Inline, AreaKind::Text}) {
        for (const Case& c : cases) {
            PageTree t;
            Area area = Area::at(kind, 10000, 100000, 100000, c.height);
            area.content = kind == AreaKind::Text ? AreaContent{TextContent{"text"}} : NoContent{};
            area.traits.edit().leader_pattern = c.pattern;
            area.traits.edit().rule_thickness = c.thickness;
            if (c.style != nullptr) {
                area.traits.edit().rule_style = c.style;
            }
            const AreaId id = t.child(std::move(area));
            t.child(id, text_area(0, 0, "child"));  // never drawn
            EXPECT_EQ(elements(t.tree), c.expected) << c.pattern << " " << c.height;
        }
    }
    PageTree red;
    Area area = Area::at(AreaKind::Inline, 0, 0, 1000, 1000);
    area.traits.edit().leader_pattern = "rule";
    area.traits.edit().color = kRed;
    red.child(std::move(area));
    EXPECT_EQ(elements(red.tree),
              "<line x1=\"0\" y1=\"0.5\" x2=\"1\" y2=\"0.5\" stroke=\"#ff0000\" "
              "stroke-width=\"0.5\" />\n");
}

TEST(SvgRenderer, ClipGroupsWrapPaintingAndChildrenWithUniqueIds) {
    PageTree t;
    for (Overflow overflow : {Overflow::Hidden, Overflow::Scroll, Overflow::Auto}) {
        Area area = Area::at(AreaKind::Block, 10000, 20000, 100000,
                             50000 - 1000 * static_cast<int>(overflow));
        area.traits.edit().overflow = overflow;
        area.traits.edit().background_color = kRed;
        const AreaId id = t.child(std::move(area));
        t.child(id, text_area(1000, 0, "in"));
    }
    const std::string in = "<text x=\"11\" y=\"32\" font-size=\"12\" fill=\"#000000\">in</text>\n";
    EXPECT_EQ(elements(t.tree),
              "<g clip-path=\"url(#clip-10-20)\"><defs><clipPath id=\"clip-10-20\">"
              "<rect x=\"10\" y=\"20\" width=\"100\" height=\"49\"/></clipPath></defs>\n"
              "<rect x=\"10\" y=\"20\" width=\"100\" height=\"49\" fill=\"#ff0000\" />\n" +
                  in +
                  "</g>\n"
                  // The second area at the same corner has a smaller box, so it
                  // needs a clip path of its own.
                  "<g clip-path=\"url(#clip-10-20-2)\"><defs><clipPath id=\"clip-10-20-2\">"
                  "<rect x=\"10\" y=\"20\" width=\"100\" height=\"48\"/></clipPath></defs>\n"
                  "<rect x=\"10\" y=\"20\" width=\"100\" height=\"48\" fill=\"#ff0000\" />\n" +
                  in + "</g>\n" +
                  "<rect x=\"10\" y=\"20\" width=\"100\" height=\"47\" fill=\"#ff0000\" />\n" + in);
}

TEST(SvgRenderer, KindsDecideWhatIsDrawn) {
    PageTree t;
    // A Text area draws its text and never its children; without text, nothing.
    const AreaId text = t.child(text_area(0, 0, "shown"));
    t.child(text, text_area(0, 0, "hidden"));
    const AreaId empty = t.child(Area::at(AreaKind::Text, 0, 0, 10, 10));
    t.child(empty, text_area(0, 0, "hidden"));
    AreaId parent = t.page;
    for (AreaKind kind :
         {AreaKind::RegionBody, AreaKind::RegionBefore, AreaKind::RegionAfter,
          AreaKind::RegionStart, AreaKind::RegionEnd, AreaKind::Block, AreaKind::Inline,
          AreaKind::Footnote, AreaKind::FootnoteSeparator, AreaKind::Float, AreaKind::Image}) {
        parent = t.child(parent, Area::at(kind, 1000, 500, 10, 10));
    }
    t.child(parent, text_area(0, 0, "nested"));
    EXPECT_EQ(elements(t.tree),
              "<text x=\"0\" y=\"12\" font-size=\"12\" fill=\"#000000\">shown</text>\n"
              "<text x=\"11\" y=\"17.5\" font-size=\"12\" fill=\"#000000\">nested</text>\n");
}

TEST(SvgRenderer, ImagesAreDataUris) {
    const image_test::Bytes png = image_test::png_file({1, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0}});
    const image_test::Bytes jpeg = image_test::jpeg_file(2, 2, 3, JCS_RGB, JCS_YCbCr);
    PageTree t;
    Area image = Area::at(AreaKind::Image, 1000, 2000, 30000, 40000);
    image.content = ImageContent{png};
    const AreaId first = t.child(image);
    t.child(first, text_area(0, 0, "caption"));
    image.content = ImageContent{jpeg};
    t.child(image);
    const std::string document = elements(t.tree);
    const std::string head = "<image x=\"1\" y=\"2\" width=\"30\" height=\"40\" href=\"";
    std::string png_uri = "data:image/png;base64,";
    append_base64(png_uri, png);
    std::string jpeg_uri = "data:image/jpeg;base64,";
    append_base64(jpeg_uri, jpeg);
    EXPECT_EQ(document,
              head + png_uri + "\" />\n" +
                  "<text x=\"1\" y=\"14\" font-size=\"12\" fill=\"#000000\">caption</text>\n" +
                  head + jpeg_uri + "\" />\n");
}

TEST(SvgRenderer, AnImageTheProbeRejectsFailsTheRender) {
    PageTree t;
    t.child(text_area(0, 0, "before"));
    Area image = Area::at(AreaKind::Image, 0, 0, 10, 10);
    image.content = ImageContent{{1, 2, 3, 4, 5, 6, 7}};
    t.child(std::move(image));
    auto result = render_svg(t.tree);
    ASSERT_FALSE(result.ok());
    EXPECT_EQ(display(result.error()), "Unknown image format");
}

TEST(SvgRenderer, DeepNestingIsDrawnWithoutRecursion) {
    constexpr int kDepth = 100000;
    PageTree t;
    t.tree.reserve(kDepth + 2);
    AreaId parent = t.page;
    for (int i = 0; i < kDepth; ++i) {
        Area area = Area::at(AreaKind::Inline, 1, 0, 10, 10);
        area.traits.edit().overflow = i == 0 ? Overflow::Hidden : Overflow::Unset;
        parent = t.child(parent, std::move(area));
    }
    t.child(parent, text_area(0, 0, "bottom"));
    const std::string document = svg(t.tree);
    EXPECT_NE(document.find("<text x=\"100\" y=\"12\" font-size=\"12\" fill=\"#000000\">bottom"
                            "</text>\n  </g>\n</svg>"),
              std::string::npos);
}

}  // namespace
}  // namespace lorp
