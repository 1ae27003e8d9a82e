#include "render/pdf/image_xobject.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "render/image/image_fixtures.h"
#include "render/pdf/pdf_test_support.h"

namespace lorp {
namespace {

using image_test::Bytes;
using image_test::inflated;
using image_test::jpeg_file;
using image_test::png_file;

std::string text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// Red with alpha 0 beside opaque green.
Bytes red_green_rgba() {
    return png_file({2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, Bytes{255, 0, 0, 0, 0, 255, 0, 255}});
}

TEST(ImageXObject, PngBecomesCompressedSamplesWithoutAlpha) {
    const Bytes rgba9 = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18,
                         19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36};
    const Bytes rgb9 = {1,  2,  3,  5,  6,  7,  9,  10, 11, 13, 14, 15, 17, 18,
                        19, 21, 22, 23, 25, 26, 27, 29, 30, 31, 33, 34, 35};
    const struct {
        const char* name;
        Bytes file;
        const char* color_space;
        std::uint32_t width;
        std::uint32_t height;
        Bytes samples;
    } cases[] = {
        {"rgb", png_file({2, 1, PNG_COLOR_TYPE_RGB, 8, Bytes{1, 2, 3, 4, 5, 6}}), "DeviceRGB", 2, 1,
         Bytes{1, 2, 3, 4, 5, 6}},
        // Alpha is dropped, not composited: the transparent pixel stays red.
        {"rgba", red_green_rgba(), "DeviceRGB", 2, 1, Bytes{255, 0, 0, 0, 255, 0}},
        {"gray", png_file({1, 3, PNG_COLOR_TYPE_GRAY, 8, Bytes{0, 128, 255}}), "DeviceGray", 1, 3,
         Bytes{0, 128, 255}},
        {"gray+alpha", png_file({2, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, Bytes{10, 0, 20, 255}}),
         "DeviceGray", 2, 1, Bytes{10, 20}},
        {"interlaced rgba", png_file({3, 3, PNG_COLOR_TYPE_RGB_ALPHA, 8, rgba9, true}), "DeviceRGB",
         3, 3, rgb9},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = to_pdf_image(c.file);
        ASSERT_TRUE(image.ok()) << display(image.error());
        EXPECT_EQ(image->color_space, c.color_space);
        EXPECT_EQ(image->filter, "FlateDecode");
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.height);
        EXPECT_EQ(image->bits_per_component, 8);
        // plain rows of samples: no PNG filter-type bytes
        EXPECT_EQ(inflated(image->data), c.samples);
    }
}

TEST(ImageXObject, JpegPassesThroughUnchanged) {
    const struct {
        const char* name;
        Bytes file;
        const char* color_space;
    } cases[] = {
        {"gray", jpeg_file(3, 2, 1, JCS_GRAYSCALE, JCS_GRAYSCALE), "DeviceGray"},
        {"ycbcr", jpeg_file(3, 2, 3, JCS_RGB, JCS_YCbCr), "DeviceRGB"},
        {"cmyk", jpeg_file(3, 2, 4, JCS_CMYK, JCS_CMYK), "DeviceCMYK"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = to_pdf_image(c.file);
        ASSERT_TRUE(image.ok()) << display(image.error());
        EXPECT_EQ(image->color_space, c.color_space);
        EXPECT_EQ(image->filter, "DCTDecode");
        EXPECT_EQ(image->data, text(c.file));
        EXPECT_EQ(image->width, 3u);
        EXPECT_EQ(image->height, 2u);
        EXPECT_EQ(image->bits_per_component, 8);
    }
}

TEST(ImageXObject, FailsWithTheFirstMessage) {
    const Bytes rgb = png_file({4, 4, PNG_COLOR_TYPE_RGB, 8, Bytes(48, 9)});
    const Bytes jpeg = jpeg_file(8, 8, 1, JCS_GRAYSCALE, JCS_GRAYSCALE);
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"seven bytes", Bytes(rgb.begin(), rgb.begin() + 7), "Unknown image format"},
        {"palette", png_file({2, 1, PNG_COLOR_TYPE_PALETTE, 8, Bytes{0, 1}}),
         "Indexed PNG images are not supported"},
        {"16-bit", png_file({1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 16, Bytes(8, 1)}),
         "Only 8-bit PNG images are supported"},
        {"1-bit", png_file({8, 1, PNG_COLOR_TYPE_GRAY, 1, Bytes(1, 0x0F)}),
         "Only 8-bit PNG images are supported"},
        {"png without its end", Bytes(rgb.begin(), rgb.end() - 30),
         "PNG frame error: unexpected end of file"},
        {"jpeg without frame", Bytes(jpeg.begin(), jpeg.begin() + 20),
         "Failed to read JPEG info: JPEG datastream contains no image"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = to_pdf_image(c.file);
        ASSERT_FALSE(image.ok());
        EXPECT_EQ(display(image.error()), c.message);
    }
}

PdfDocument document_with(std::vector<PdfImage> images, std::string content) {
    PdfDocument document;
    document.images = std::move(images);
    document.pages.push_back(pdf_test::page(40000, 10000, std::move(content)));
    return document;
}

TEST(ImageXObject, WrittenAsImageStream) {
    const Bytes cmyk = jpeg_file(3, 2, 4, JCS_CMYK, JCS_CMYK);
    auto image = to_pdf_image(cmyk);
    ASSERT_TRUE(image.ok()) << display(image.error());
    const std::string pdf = pdf_test::written(document_with({std::move(image).value()}, ""));
    EXPECT_EQ(pdf_test::object_text(pdf, 4),
              "4 0 obj\n<<\n/Type /XObject\n/Subtype /Image\n/Width 3\n/Height 2\n"
              "/ColorSpace /DeviceCMYK\n/BitsPerComponent 8\n/Filter /DCTDecode\n/Length " +
                  std::to_string(cmyk.size()) + "\n>>\nstream\n" + text(cmyk) +
                  "\nendstream\nendobj\n");
}

// poppler draws the page; the pixels show that the samples, their order and
// the colour spaces read back as meant.
TEST(ImageXObject, PopplerDrawsTheSamples) {
    if (std::system("command -v pdftoppm >/dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pdftoppm is not installed";
    }
    auto png = to_pdf_image(red_green_rgba());
    auto gray = to_pdf_image(jpeg_file(8, 8, 1, JCS_GRAYSCALE, JCS_GRAYSCALE, 128));
    ASSERT_TRUE(png.ok() && gray.ok());
    // 40 x 10 pt: the PNG over the left half, the JPEG over the right half.
    const std::string pdf = pdf_test::written(
        document_with({std::move(png).value(), std::move(gray).value()},
                      "q 20 0 0 10 0 0 cm /Im0 Do Q\nq 20 0 0 10 20 0 cm /Im1 Do Q\n"));

    const std::string base = testing::TempDir() + "lorp_images_" + std::to_string(getpid());
    std::ofstream(base + ".pdf", std::ios::binary) << pdf;
    const std::string command =
        "pdftoppm -r 72 -singlefile " + base + ".pdf " + base + " >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream ppm_file(base + ".ppm", std::ios::binary);
    const std::string ppm((std::istreambuf_iterator<char>(ppm_file)),
                          std::istreambuf_iterator<char>());
    std::remove((base + ".pdf").c_str());
    std::remove((base + ".ppm").c_str());

    const std::string head = "P6\n40 10\n255\n";
    ASSERT_EQ(ppm.substr(0, head.size()), head);
    auto pixel = [&](int x, int y) {
        std::size_t at = head.size() + (static_cast<std::size_t>(y) * 40 + x) * 3;
        return Bytes{static_cast<std::uint8_t>(ppm[at]), static_cast<std::uint8_t>(ppm[at + 1]),
                     static_cast<std::uint8_t>(ppm[at + 2])};
    };
    EXPECT_EQ(pixel(5, 5), (Bytes{255, 0, 0}));
    EXPECT_EQ(pixel(15, 5), (Bytes{0, 255, 0}));
    Bytes mid = pixel(30, 5);
    for (std::uint8_t v : mid) {
        EXPECT_NEAR(v, 128, 2);
    }
}

}  // namespace
}  // namespace lorp
