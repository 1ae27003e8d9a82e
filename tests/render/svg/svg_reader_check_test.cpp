// Real SVG readers judge rendered documents. Each check is skipped when its
// tool is not installed.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "render/image/image_fixtures.h"
#include "render/reader_tools.h"
#include "render/svg/svg_test_support.h"

namespace lorp {
namespace {

using reader_tools::installed;
using reader_tools::run;
using reader_tools::TempFile;
using svg_test::PageTree;
using svg_test::svg;
using svg_test::text_area;

const Color kRed{255, 0, 0, 255};

// One page with every kind of element, including text that XML could not
// carry as it stands.
AreaTree full_page() {
    PageTree t;
    Area block = Area::at(AreaKind::Block, 72000, 72000, 400000, 30000);
    TraitRecord& block_traits = block.traits.edit();
    block_traits.background_color = Color{230, 230, 255, 255};
    block_traits.border_radii = SideLengths{4000, 4000, 4000, 4000};
    block_traits.opacity = 0.5;
    block_traits.border_widths = SideLengths{1000, 1000, 1000, 1000};
    block_traits.border_styles = SideStyles{BorderStyle::Solid, BorderStyle::Dashed,
                                            BorderStyle::Dotted, BorderStyle::Double};
    block_traits.border_colors = SideColors{kRed, kRed, kRed, kRed};
    block_traits.overflow = Overflow::Hidden;
    const AreaId id = t.child(std::move(block));
    Area text =
        text_area(2000, 2000, "Caf\xC3\xA9 & <tags> \"quoted\" 'single' \x01\x02 \xEF\xBF\xBF end");
    TraitRecord& text_traits = text.traits.edit();
    text_traits.font_family = "Helvetica, \"Arial\"\x0B";
    text_traits.font_weight = 700;
    text_traits.font_style = FontStyle::Oblique;
    text_traits.text_decoration = TextDecoration{true, true, true};
    t.child(id, std::move(text));
    Area leader = Area::at(AreaKind::Inline, 2000, 16000, 300000, 12000);
    leader.traits.edit().leader_pattern = "rule";
    leader.traits.edit().rule_style = "dashed";
    t.child(id, std::move(leader));
    Area image = Area::at(AreaKind::Image, 72000, 120000, 40000, 40000);
    image.content = ImageContent{image_test::png_file({1, 1, PNG_COLOR_TYPE_RGB, 8, {255, 0, 0}})};
    t.child(std::move(image));
    return std::move(t.tree);
}

AreaTree two_pages() {
    AreaTree tree = full_page();
    const AreaId second = tree.add(Area::at(AreaKind::Page, 0, 0, 612000, 792000));
    Area clip = Area::at(AreaKind::Block, 72000, 72000, 100000, 20000);
    clip.traits.edit().overflow = Overflow::Scroll;  // same corner as the first page's clip
    const AreaId clipped = tree.add(std::move(clip));
    EXPECT_TRUE(tree.attach_child(second, clipped).ok());
    EXPECT_TRUE(tree.attach_child(clipped, tree.add(text_area(0, 0, "Page two"))).ok());
    return tree;
}

TEST(SvgReaderCheck, XmllintAcceptsEveryDocumentForm) {
    if (!installed("xmllint")) {
        GTEST_SKIP() << "xmllint is not installed";
    }
    const std::pair<const char*, std::string> cases[] = {
        {"no pages", svg(AreaTree{})},
        {"one page", svg(full_page())},
        {"two pages", svg(two_pages())},
    };
    for (const auto& [name, document] : cases) {
        TempFile file(document, ".svg");
        auto check = run("xmllint --noout " + file.path());
        EXPECT_EQ(check.status, 0) << name << "\n" << check.output;
        EXPECT_EQ(check.output, "") << name;
    }
}

TEST(SvgReaderCheck, RsvgConvertRendersThePages) {
    if (!installed("rsvg-convert")) {
        GTEST_SKIP() << "rsvg-convert is not installed";
    }
    for (const std::string& document : {svg(full_page()), svg(two_pages())}) {
        TempFile file(document, ".svg");
        TempFile picture("", ".png");
        auto draw = run("rsvg-convert -o " + picture.path() + " " + file.path());
        EXPECT_EQ(draw.status, 0) << draw.output;
        EXPECT_EQ(draw.output, "");
        std::ifstream png(picture.path(), std::ios::binary);
        std::string signature(8, '\0');
        png.read(signature.data(), 8);
        EXPECT_EQ(signature, "\x89PNG\r\n\x1A\n");
    }
}

TEST(SvgReaderCheck, OutputIsDeterministic) {
    EXPECT_EQ(svg(two_pages()), svg(two_pages()));
}

}  // namespace
}  // namespace lorp
