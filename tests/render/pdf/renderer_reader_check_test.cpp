// Real PDF readers judge whole files from area trees: render_pdf, then
// write_pdf. Each check is skipped when its tool is not installed.
#include <gtest/gtest.h>

#include "render/pdf/pdf_writer.h"
#include "render/pdf/render_test_support.h"
#include "render/reader_tools.h"

namespace lorp {
namespace {

using reader_tools::installed;
using reader_tools::run;
using reader_tools::TempFile;
using render_test::PageTree;
using render_test::text_area;

const Color kRed{255, 0, 0, 255};
const Color kBlue{0, 0, 255, 255};

// A 2 by 1 pixel RGB PNG.
const std::vector<std::uint8_t> kPng = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x08, 0x02, 0x00, 0x00, 0x00, 0x7B,
    0x40, 0xE8, 0xDD, 0x00, 0x00, 0x00, 0x0F, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
    0xCF, 0xC0, 0xF0, 0xFF, 0xFF, 0x7F, 0x00, 0x0B, 0xFB, 0x03, 0xFD, 0xDD, 0x17, 0x6F, 0x47,
    0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// The texts of the Text areas of the tree below, one per line of the page.
const std::vector<std::string> kTexts = {
    "Hello, world",
    "Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
    "e \xE2\x82\xAC"
    "5",
    "Stra\xC3\x9F"
    "e (alt) \\ neu",
    "Spaced out text",
    "Linked text",
};

// Two pages drawing every kind of painting the renderer knows.
AreaTree full_tree() {
    PageTree t;
    Area region = Area::at(AreaKind::RegionBody, 72000, 72000, 468000, 648000);
    const AreaId body = t.child(std::move(region));
    std::int32_t y = 0;
    for (const std::string& text : kTexts) {
        Area block = Area::at(AreaKind::Block, 0, y, 468000, 14000);
        TraitRecord& block_traits = block.traits.edit();
        block_traits.background_color = Color{230, 230, 255, 255};
        block_traits.border_widths = SideLengths{1000, 500, 1000, 500};
        block_traits.border_styles = SideStyles{BorderStyle::Dashed, BorderStyle::Solid,
                                                BorderStyle::Dotted, BorderStyle::Groove};
        block_traits.border_colors = SideColors{kRed, kBlue, kRed, kBlue};
        const AreaId id = t.child(body, std::move(block));
        Area run = text_area(2000, 1000, text);
        run.width = 300000;
        if (text.starts_with("Spaced")) {
            run.traits.edit().letter_spacing = 1500;
            run.traits.edit().word_spacing = 4000;
        }
        if (text.starts_with("Linked")) {
            run.traits.edit().link_destination = "https://example.org/";
        }
        t.child(id, std::move(run));
        y += 20000;
    }
    Area rounded = Area::at(AreaKind::Block, 0, y, 200000, 60000);
    TraitRecord& rounded_traits = rounded.traits.edit();
    rounded_traits.background_color = kBlue;
    rounded_traits.opacity = 0.5;
    rounded_traits.border_radii = SideLengths{10000, 10000, 10000, 10000};
    rounded_traits.border_widths = SideLengths{2000, 2000, 2000, 2000};
    rounded_traits.border_styles =
        SideStyles{BorderStyle::Solid, BorderStyle::Solid, BorderStyle::Solid, BorderStyle::Solid};
    rounded_traits.border_colors = SideColors{kRed, kRed, kRed, kRed};
    rounded_traits.overflow = Overflow::Hidden;
    const AreaId clip = t.child(body, std::move(rounded));
    Area link = Area::at(AreaKind::Inline, 0, 0, 100000, 12000);
    link.traits.edit().link_destination = "section-2";
    const AreaId inline_area = t.child(clip, std::move(link));
    Area leader = Area::at(AreaKind::Inline, 0, 20000, 150000, 12000);
    TraitRecord& leader_traits = leader.traits.edit();
    leader_traits.leader_pattern = "rule";
    leader_traits.rule_style = "dotted";
    leader_traits.link_destination = "not-a-link";  // leaders never make links
    t.child(inline_area, std::move(leader));
    Area image = Area::at(AreaKind::Image, 250000, y, 100000, 50000);
    image.content = ImageContent{kPng};
    t.child(body, std::move(image));

    const AreaId second = t.tree.add(Area::at(AreaKind::Page, 0, 0, 595276, 841890));
    const AreaId run = t.tree.add(text_area(72000, 72000, "Second page"));
    EXPECT_TRUE(t.tree.attach_child(second, run).ok());
    return std::move(t.tree);
}

std::string pdf_file() {
    auto document = render_pdf(full_tree(), {});
    EXPECT_TRUE(document.ok());
    auto bytes = write_pdf(std::move(document).value());
    EXPECT_TRUE(bytes.ok());
    return std::move(bytes).value();
}

// The converter's path: pages drawn straight into the file by the writer.
TEST(PdfRendererTest, PagesDrawnByTheWriterGiveTheSameFile) {
    const AreaTree tree = full_tree();
    auto deferred = render_pdf_deferred(tree, {});
    ASSERT_TRUE(deferred.ok());
    ASSERT_EQ(deferred->document.pages.size(), 2u);
    EXPECT_TRUE(deferred->document.pages[0].content.empty());
    EXPECT_EQ(deferred->document.pages[0].links.size(), 2u);
    auto bytes = write_pdf(std::move(deferred->document), *deferred->contents);
    ASSERT_TRUE(bytes.ok());
    EXPECT_EQ(*bytes, pdf_file());
}

TEST(RendererReaderCheck, OutputIsDeterministic) {
    EXPECT_EQ(pdf_file(), pdf_file());
}

TEST(RendererReaderCheck, QpdfFindsNoErrorsOrWarnings) {
    if (!installed("qpdf")) {
        GTEST_SKIP() << "qpdf is not installed";
    }
    TempFile file(pdf_file(), ".pdf");
    auto check = run("qpdf --check " + file.path());
    EXPECT_EQ(check.status, 0) << check.output;
    EXPECT_NE(check.output.find("No syntax or stream encoding errors found"), std::string::npos)
        << check.output;
    EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << check.output;
}

TEST(RendererReaderCheck, PdftotextGivesBackTheTextOfEveryTextArea) {
    if (!installed("pdftotext")) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    TempFile file(pdf_file(), ".pdf");
    auto text = run("pdftotext -enc UTF-8 " + file.path() + " -");
    EXPECT_EQ(text.status, 0) << text.output;
    for (const std::string& expected : kTexts) {
        if (expected.starts_with("Spaced")) {
            continue;  // extra spacing may be read back as extra blanks
        }
        EXPECT_NE(text.output.find(expected), std::string::npos) << expected << "\n" << text.output;
    }
    EXPECT_NE(text.output.find("Second page"), std::string::npos) << text.output;
}

TEST(RendererReaderCheck, MutoolDrawsEveryPage) {
    if (!installed("mutool")) {
        GTEST_SKIP() << "mutool is not installed";
    }
    TempFile file(pdf_file(), ".pdf");
    auto draw = run("mutool draw -o /dev/null -F png " + file.path());
    EXPECT_EQ(draw.status, 0) << draw.output;
    EXPECT_EQ(draw.output.find("error"), std::string::npos) << draw.output;
    auto info = run("mutool info " + file.path());
    EXPECT_NE(info.output.find("Pages: 2"), std::string::npos) << info.output;
}

}  // namespace
}  // namespace lorp
