// Real PDF readers judge the writer's files. Each check is skipped when its
// tool is not installed.
#include <gtest/gtest.h>

#include "render/pdf/pdf_strings.h"
#include "render/pdf/pdf_test_support.h"
#include "render/pdf/win_ansi_encoding.h"
#include "render/reader_tools.h"

namespace lorp {
namespace {

using pdf_test::page;
using pdf_test::written;

using reader_tools::CommandResult;
using reader_tools::installed;
using reader_tools::run;

class PdfFile : public reader_tools::TempFile {
public:
    explicit PdfFile(const std::string& bytes) : TempFile(bytes, ".pdf") {}
};

// A text object the way the page renderer writes one: Windows-1252 bytes,
// escaped as a literal string.
std::string text_content(std::string_view utf8) {
    std::string content = "BT\n/F1 12 Tf\n72 720 Td\n";
    append_literal_string(content, to_win_ansi(utf8));
    return content + " Tj\nET\n";
}

// Two pages with text, links, and every shared resource the writer knows.
PdfDocument full_document() {
    PdfDocument document;
    document.title = "LORP Generated PDF";
    document.author = "A (B)";
    PdfPage first = page(595276, 841890, text_content("Hello"));
    first.links.push_back({LinkKind::External, "https://example.org/", 72, 708, 110, 720});
    first.links.push_back({LinkKind::External, "mailto:x@example.org", 72, 600, 110, 612});
    document.pages.push_back(std::move(first));
    document.pages.push_back(page(612000, 792000, text_content("Second (page) \\ done")));
    const Color red{255, 0, 0, 255};
    const Color blue{0, 0, 255, 255};
    PdfShading shading;
    shading.x1 = 100000;
    shading.stops = {{0, red}, {0.5, blue}, {1, red}};
    document.shadings.push_back(shading);
    document.ext_gstates.push_back({0.5, 0.5});
    return document;
}

TEST(PdfReaderCheck, QpdfFindsNoErrorsOrWarnings) {
    if (!installed("qpdf")) {
        GTEST_SKIP() << "qpdf is not installed";
    }
    PdfDocument empty;
    PdfDocument one_page;
    one_page.pages.push_back(page(612000, 792000));
    PdfDocument degenerate_shading = full_document();
    degenerate_shading.shadings.insert(degenerate_shading.shadings.begin(), PdfShading{});
    const std::pair<const char*, PdfDocument> cases[] = {
        {"no pages", std::move(empty)},
        {"one empty page", std::move(one_page)},
        {"full", full_document()},
        {"unused numbers", std::move(degenerate_shading)},
    };
    for (const auto& [name, document] : cases) {
        PdfFile file(written(document));
        CommandResult check = run("qpdf --check " + file.path());
        EXPECT_EQ(check.status, 0) << name << "\n" << check.output;
        EXPECT_NE(check.output.find("No syntax or stream encoding errors found"), std::string::npos)
            << name << "\n"
            << check.output;
        EXPECT_EQ(check.output.find("WARNING"), std::string::npos) << name << "\n" << check.output;
    }
}

TEST(PdfReaderCheck, PdftotextReadsTheText) {
    if (!installed("pdftotext")) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    PdfFile file(written(full_document()));
    CommandResult text = run("pdftotext -layout " + file.path() + " -");
    EXPECT_EQ(text.status, 0) << text.output;
    EXPECT_NE(text.output.find("Hello"), std::string::npos) << text.output;
    EXPECT_NE(text.output.find("Second (page) \\ done"), std::string::npos) << text.output;
}

// The built-in font declares WinAnsiEncoding, so characters beyond ASCII
// that the text carries come back out of the file as the same characters.
TEST(PdfReaderCheck, PdftotextReadsWindows1252Text) {
    if (!installed("pdftotext")) {
        GTEST_SKIP() << "pdftotext is not installed";
    }
    PdfDocument document;
    const std::string text =
        "Caf\xC3\xA9 \xE2\x82\xAC"
        "5 \xE2\x80\x9Cq\xE2\x80\x9D \xC3\x9F";
    document.pages.push_back(page(612000, 792000, text_content(text)));
    PdfFile file(written(std::move(document)));
    CommandResult extracted = run("pdftotext " + file.path() + " -");
    EXPECT_EQ(extracted.status, 0) << extracted.output;
    EXPECT_NE(extracted.output.find(text), std::string::npos) << extracted.output;
}

TEST(PdfReaderCheck, MutoolDrawsAndDescribesTheFile) {
    if (!installed("mutool")) {
        GTEST_SKIP() << "mutool is not installed";
    }
    PdfFile file(written(full_document()));
    CommandResult draw = run("mutool draw -o /dev/null -F png " + file.path());
    EXPECT_EQ(draw.status, 0) << draw.output;
    EXPECT_EQ(draw.output.find("error"), std::string::npos) << draw.output;
    CommandResult info = run("mutool info " + file.path());
    EXPECT_EQ(info.status, 0) << info.output;
    EXPECT_EQ(info.output.find("error"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Pages: 2"), std::string::npos) << info.output;
    EXPECT_NE(info.output.find("Type1 'Helvetica' WinAnsiEncoding"), std::string::npos)
        << info.output;
}

}  // namespace
}  // namespace lorp
