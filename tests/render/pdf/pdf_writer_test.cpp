#include "render/pdf/pdf_writer.h"

#include <gtest/gtest.h>

#include <charconv>

#include "render/pdf/pdf_test_support.h"

namespace lorp {
namespace {

using pdf_test::object_text;
using pdf_test::page;
using pdf_test::written;

TEST(PdfWriter, OnePageDocumentByteForByte) {
    PdfDocument document;
    document.title = "LORP Generated PDF";
    document.pages.push_back(page(595276, 841890));
    const std::string expected =
        "%PDF-1.4\n"
        "%\xE2\xE3\xCF\xD3\n"
        "1 0 obj\n<<\n/Type /Catalog\n/Pages 2 0 R\n>>\nendobj\n"
        "2 0 obj\n<<\n/Type /Pages\n/Kids [4 0 R ]\n/Count 1\n>>\nendobj\n"
        "3 0 obj\n<<\n/Type /Font\n/Subtype /Type1\n/BaseFont /Helvetica\n"
        "/Encoding /WinAnsiEncoding\n>>\nendobj\n"
        "4 0 obj\n<<\n/Type /Page\n/Parent 2 0 R\n/MediaBox [0 0 595.276 841.89]\n"
        "/Resources <<\n  /Font <<\n    /F1 3 0 R\n  >>\n>>\n/Contents 5 0 R\n>>\nendobj\n"
        "5 0 obj\n<<\n/Length 0\n>>\nstream\n\nendstream\nendobj\n"
        "xref\n0 6\n"
        "0000000000 65535 f \n"
        "0000000015 00000 n \n"
        "0000000064 00000 n \n"
        "0000000122 00000 n \n"
        "0000000219 00000 n \n"
        "0000000360 00000 n \n"
        "trailer\n<<\n/Size 6\n/Root 1 0 R\n/Info <<\n  /Title (LORP Generated PDF)\n>>\n>>\n"
        "startxref\n409\n%%EOF\n";
    EXPECT_EQ(written(std::move(document)), expected);
}

TEST(PdfWriter, PagesWithContentAndLinks) {
    PdfDocument document;
    document.version = "1.7";
    PdfPage first = page(612000, 792000, "BT\n/F1 12 Tf\n72 720 Td\n(Hi) Tj\nET\n");
    first.links.push_back({LinkKind::Internal, "sec(1)", 72, 700.25, 144.5, 712});
    first.links.push_back({LinkKind::External, "mailto:a\\b", 1, 2, 3, 4});
    document.pages.push_back(std::move(first));
    document.pages.push_back(page(612000, 792000));
    PdfPage third = page(612000, 792000);
    third.links.push_back({LinkKind::External, "https://x.org/", 0, 0, 10, 10});
    document.pages.push_back(std::move(third));

    std::string pdf = written(std::move(document));
    EXPECT_EQ(pdf.substr(0, 9), "%PDF-1.7\n");
    EXPECT_EQ(object_text(pdf, 2),
              "2 0 obj\n<<\n/Type /Pages\n/Kids [4 0 R 6 0 R 8 0 R ]\n/Count 3\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 4),
              "4 0 obj\n<<\n/Type /Page\n/Parent 2 0 R\n/MediaBox [0 0 612 792]\n"
              "/Resources <<\n  /Font <<\n    /F1 3 0 R\n  >>\n>>\n/Contents 5 0 R\n"
              "/Annots [10 0 R 11 0 R ]\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 5),
              "5 0 obj\n<<\n/Length 34\n>>\nstream\nBT\n/F1 12 Tf\n72 720 Td\n(Hi) Tj\nET\n"
              "\nendstream\nendobj\n");
    EXPECT_EQ(object_text(pdf, 6).find("/Annots"), std::string::npos);
    EXPECT_NE(object_text(pdf, 8).find("/Annots [12 0 R ]\n"), std::string::npos);
    EXPECT_EQ(object_text(pdf, 10),
              "10 0 obj\n<<\n/Type /Annot\n/Subtype /Link\n/Rect [72.00 700.25 144.50 712.00]\n"
              "/P 4 0 R\n/Border [0 0 0]\n/Dest (sec\\(1\\))\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 11),
              "11 0 obj\n<<\n/Type /Annot\n/Subtype /Link\n/Rect [1.00 2.00 3.00 4.00]\n"
              "/P 4 0 R\n/Border [0 0 0]\n/A <<\n  /S /URI\n  /URI (mailto:a\\\\b)\n>>\n>>\n"
              "endobj\n");
    EXPECT_NE(object_text(pdf, 12).find("/P 8 0 R\n"), std::string::npos);
    EXPECT_NE(pdf.find("trailer\n<<\n/Size 13\n/Root 1 0 R\n>>\nstartxref\n"), std::string::npos);
}

TEST(PdfWriter, NumberForms) {
    struct Case {
        std::int32_t millipoints;
        const char* media_box_value;  // shortest
        double point;
        const char* rect_value;  // two decimals
    };
    const Case cases[] = {
        {612000, "612", 612, "612.00"},
        {595276, "595.276", 595.276, "595.28"},
        {841890, "841.89", 841.894, "841.89"},
        {1, "0.001", 0.125, "0.12"},  // ties of the binary value round to even
        {0, "0", 0, "0.00"},
        {-1500, "-1.5", -1.5, "-1.50"},
        {-1, "-0.001", -0.001, "-0.00"},  // rounds to zero, keeps its sign
        {2147483647, "2147483.647", 1e6, "1000000.00"},
    };
    for (const auto& c : cases) {
        PdfDocument document;
        PdfPage p = page(c.millipoints, 1000);
        p.links.push_back({LinkKind::Internal, "d", c.point, 0, 0, 0});
        document.pages.push_back(std::move(p));
        std::string pdf = written(std::move(document));
        EXPECT_NE(pdf.find(std::string("/MediaBox [0 0 ") + c.media_box_value + " 1]\n"),
                  std::string::npos)
            << c.millipoints;
        EXPECT_NE(pdf.find(std::string("/Rect [") + c.rect_value + " 0.00 0.00 0.00]\n"),
                  std::string::npos)
            << c.point;
    }
}

TEST(PdfWriter, DocumentInformationAndIdentifier) {
    PdfDocument document;
    document.pages.push_back(page(1000, 1000));
    document.title = "a(b)c\\d";
    document.author = "line\nbreak";
    document.subject = "caf\xC3\xA9";
    document.creation_date = "D:20240101120000Z";
    document.lang = "de-(CH)";
    document.file_id = std::string("\x01\xAB", 2);
    std::string pdf = written(std::move(document));
    EXPECT_EQ(object_text(pdf, 1),
              "1 0 obj\n<<\n/Type /Catalog\n/Pages 2 0 R\n/Lang (de-\\(CH\\))\n>>\nendobj\n");
    EXPECT_NE(pdf.find("/Root 1 0 R\n/ID [<01AB> <01AB>]\n/Info <<\n"
                       "  /Title (a\\(b\\)c\\\\d)\n  /Author (line\\nbreak)\n"
                       "  /Subject (caf\xC3\xA9)\n  /CreationDate (D:20240101120000Z)\n>>\n>>\n"
                       "startxref\n"),
              std::string::npos);
}

TEST(PdfWriter, InformationHoldsOnlyPresentEntriesAndEmptyIdentifierIsEmpty) {
    PdfDocument document;
    document.subject = "s";
    document.file_id = "";
    std::string pdf = written(std::move(document));
    EXPECT_NE(pdf.find("/Root 1 0 R\n/ID [<> <>]\n/Info <<\n  /Subject (s)\n>>\n>>\n"),
              std::string::npos);
    EXPECT_NE(pdf.find("/Kids []\n/Count 0\n"), std::string::npos);
}

PdfShading shading(ShadingKind kind, std::vector<ShadingStop> stops) {
    PdfShading s;
    s.kind = kind;
    s.x0 = 1000, s.y0 = -2500, s.x1 = 100000, s.y1 = 0;
    s.cx = 50000, s.cy = 60000, s.radius = 0.5;
    s.stops = std::move(stops);
    return s;
}

TEST(PdfWriter, SharedResourcesAreWrittenOnceAndListedOnEveryPage) {
    const Color red{255, 0, 0, 255};
    const Color blue{0, 0, 255, 128};
    const Color grey{128, 128, 128, 255};
    PdfDocument document;
    document.images.push_back({"DeviceRGB", "DCTDecode", "JPEGDATA", 2, 3, 8});
    document.images.push_back({"DeviceGray", "FlateDecode", std::string("z\0z", 3), 1, 1, 8});
    document.shadings.push_back(shading(ShadingKind::Axial, {{0, red}, {1, blue}}));
    document.shadings.push_back(
        shading(ShadingKind::Radial, {{0, red}, {0.25, grey}, {0.5, blue}, {1, red}}));
    document.ext_gstates.push_back({0.5, 0.25});
    document.pages.push_back(page(1000, 1000));
    document.pages.push_back(page(1000, 1000));
    std::string pdf = written(std::move(document));

    EXPECT_EQ(object_text(pdf, 4),
              "4 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width 2\n/Height 3\n"
              "/ColorSpace /DeviceRGB\n/BitsPerComponent 8\n/Filter /DCTDecode\n/Length 8\n>>\n"
              "stream\nJPEGDATA\nendstream\nendobj\n");
    EXPECT_NE(object_text(pdf, 5).find("/Length 3\n>>\nstream\nz" + std::string(1, '\0') +
                                       "z\nendstream\n"),
              std::string::npos);
    EXPECT_EQ(object_text(pdf, 6),
              "6 0 obj\n<<\n/FunctionType 2\n/Domain [0 1]\n/N 1\n/C0 [1.000 0.000 0.000]\n"
              "/C1 [0.000 0.000 1.000]\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 7),
              "7 0 obj\n<<\n/ShadingType 2\n/ColorSpace /DeviceRGB\n"
              "/Coords [1.000 -2.500 100.000 0.000]\n/Function 6 0 R\n/Extend [true true]\n>>\n"
              "endobj\n");
    EXPECT_EQ(object_text(pdf, 8),
              "8 0 obj\n<<\n/FunctionType 3\n/Domain [0 1]\n/Bounds [0.250 0.500 ]\n"
              "/Encode [0 1 0 1 0 1 ]\n/Functions [\n"
              "    <<\n    /FunctionType 2\n    /Domain [0 1]\n    /N 1\n"
              "    /C0 [1.000 0.000 0.000]\n    /C1 [0.502 0.502 0.502]\n    >>\n"
              "    <<\n    /FunctionType 2\n    /Domain [0 1]\n    /N 1\n"
              "    /C0 [0.502 0.502 0.502]\n    /C1 [0.000 0.000 1.000]\n    >>\n"
              "    <<\n    /FunctionType 2\n    /Domain [0 1]\n    /N 1\n"
              "    /C0 [0.000 0.000 1.000]\n    /C1 [1.000 0.000 0.000]\n    >>\n"
              "]\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 9),
              "9 0 obj\n<<\n/ShadingType 3\n/ColorSpace /DeviceRGB\n"
              "/Coords [50.000 60.000 0 50.000 60.000 50.000]\n/Function 8 0 R\n"
              "/Extend [true true]\n>>\nendobj\n");
    EXPECT_EQ(object_text(pdf, 10),
              "10 0 obj\n<<\n/Type /ExtGState\n/ca 0.500\n/CA 0.250\n>>\nendobj\n");
    const std::string resources =
        "/Resources <<\n  /Font <<\n    /F1 3 0 R\n  >>\n"
        "  /XObject <<\n    /Im0 4 0 R\n    /Im1 5 0 R\n  >>\n"
        "  /Shading <<\n    /Sh0 7 0 R\n    /Sh1 9 0 R\n  >>\n"
        "  /ExtGState <<\n    /GS0 10 0 R\n  >>\n>>\n";
    EXPECT_NE(object_text(pdf, 11).find(resources + "/Contents 12 0 R\n"), std::string::npos);
    EXPECT_NE(object_text(pdf, 13).find(resources + "/Contents 14 0 R\n"), std::string::npos);
}

// Every "n" entry of the table must point at its object and startxref at the
// table; a shading without two stops leaves its two numbers as free entries.
TEST(PdfWriter, CrossReferenceTablePointsAtEveryObject) {
    PdfDocument document;
    document.images.push_back({"DeviceGray", "FlateDecode", "()\\\n\r", 1, 1, 8});
    document.shadings.push_back(shading(ShadingKind::Axial, {{0, Color{}}}));
    document.shadings.push_back(shading(ShadingKind::Axial, {{0, Color{}}, {1, Color{}}}));
    for (int i = 0; i < 3; ++i) {
        PdfPage p = page(1000, 1000, "stream\nendstream\nendobj\n");
        p.links.push_back({LinkKind::External, "http://a/", 0, 0, 1, 1});
        document.pages.push_back(std::move(p));
    }
    std::string pdf = written(std::move(document));

    auto number_after = [&](std::string_view key) {
        std::size_t at = pdf.rfind(key);
        std::size_t value = 0;
        std::from_chars(pdf.data() + at + key.size(), pdf.data() + pdf.size(), value);
        return value;
    };
    std::size_t xref = number_after("startxref\n");
    ASSERT_EQ(pdf.compare(xref, 5, "xref\n"), 0);
    std::size_t size = number_after("/Size ");
    ASSERT_EQ(size, 18u);  // free 0, 3 fixed, 1 image, 4 shading, 6 page, 3 link
    std::size_t entry = pdf.find('\n', pdf.find('\n', xref) + 1) + 1;
    EXPECT_EQ(pdf.substr(entry, 20), "0000000005 65535 f \n");
    const std::string free_entries = "0000000006 00000 f \n0000000000 00000 f \n";
    EXPECT_EQ(pdf.substr(entry + 5 * 20, 40), free_entries);
    for (std::size_t k = 1; k < size; ++k) {
        std::string line = pdf.substr(entry + 20 * k, 20);
        if (k == 5 || k == 6) {
            continue;
        }
        ASSERT_EQ(line.substr(10), " 00000 n \n") << k;
        std::size_t offset = std::stoul(line.substr(0, 10));
        EXPECT_EQ(pdf.compare(offset, std::to_string(k).size() + 7, std::to_string(k) + " 0 obj\n"),
                  0)
            << k;
    }
}

TEST(PdfWriter, SameModelSameBytes) {
    auto model = [] {
        PdfDocument document;
        document.title = "t";
        document.pages.push_back(page(1000, 2000, "0 0 m\n"));
        document.pages[0].links.push_back({LinkKind::Internal, "x", 1.5, 2.5, 3.5, 4.5});
        return document;
    };
    EXPECT_EQ(written(model()), written(model()));
}

TEST(PdfWriter, FeaturesWithoutObjectsYetFailInsteadOfDanglingReferences) {
    struct Case {
        const char* expected;
        void (*set)(PdfDocument&);
    };
    const Case cases[] = {
        {"PDF writer: embedded fonts are not supported",
         [](PdfDocument& d) { d.fonts.emplace_back(); }},
        {"PDF writer: encryption is not supported", [](PdfDocument& d) { d.encryption.emplace(); }},
        {"PDF writer: document outlines are not supported",
         [](PdfDocument& d) { d.outline.emplace(); }},
        {"PDF writer: conformance marking is not supported",
         [](PdfDocument& d) { d.conformance = kConformancePdfUa1; }},
    };
    for (const auto& c : cases) {
        PdfDocument document;
        c.set(document);
        auto result = write_pdf(std::move(document));
        ASSERT_FALSE(result.ok()) << c.expected;
        EXPECT_EQ(display(result.error()), c.expected);
    }
}

}  // namespace
}  // namespace lorp
