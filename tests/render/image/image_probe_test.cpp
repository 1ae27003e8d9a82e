#include "render/image/image_probe.h"

#include <gtest/gtest.h>

#include "render/image/image_fixtures.h"

namespace lorp {
namespace {

using image_test::Bytes;
using image_test::jpeg_file;
using image_test::png_file;
using image_test::PngSpec;

Bytes rgb_png() {
    return png_file({3, 2, PNG_COLOR_TYPE_RGB, 8, Bytes(18, 7)});
}

struct HeaderCase {
    const char* name;
    Bytes file;
    ImageFormat format;
    const char* color_space;
    std::uint32_t width;
    std::uint32_t height;
    int bits;
};

TEST(ImageProbe, ReadsFormatColourSpaceAndSize) {
    const HeaderCase cases[] = {
        {"png rgb", rgb_png(), ImageFormat::Png, "DeviceRGB", 3, 2, 8},
        {"png rgba", png_file({2, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, Bytes(8, 1)}), ImageFormat::Png,
         "DeviceRGB", 2, 1, 8},
        {"png gray", png_file({1, 4, PNG_COLOR_TYPE_GRAY, 8, Bytes(4, 1)}), ImageFormat::Png,
         "DeviceGray", 1, 4, 8},
        {"png gray+alpha", png_file({2, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 8, Bytes(8, 1)}),
         ImageFormat::Png, "DeviceGray", 2, 2, 8},
        {"png 16-bit", png_file({1, 1, PNG_COLOR_TYPE_RGB, 16, Bytes(6, 1)}), ImageFormat::Png,
         "DeviceRGB", 1, 1, 16},
        {"png 1-bit", png_file({9, 1, PNG_COLOR_TYPE_GRAY, 1, Bytes(2, 0xAA)}), ImageFormat::Png,
         "DeviceGray", 9, 1, 1},
        {"png interlaced",
         png_file({3, 3, PNG_COLOR_TYPE_RGB, 8, Bytes(27, 5), /*interlaced=*/true}),
         ImageFormat::Png, "DeviceRGB", 3, 3, 8},
        {"jpeg gray", jpeg_file(5, 3, 1, JCS_GRAYSCALE, JCS_GRAYSCALE), ImageFormat::Jpeg,
         "DeviceGray", 5, 3, 8},
        {"jpeg ycbcr", jpeg_file(17, 9, 3, JCS_RGB, JCS_YCbCr), ImageFormat::Jpeg, "DeviceRGB", 17,
         9, 8},
        {"jpeg rgb", jpeg_file(2, 2, 3, JCS_RGB, JCS_RGB), ImageFormat::Jpeg, "DeviceRGB", 2, 2, 8},
        {"jpeg cmyk", jpeg_file(4, 1, 4, JCS_CMYK, JCS_CMYK), ImageFormat::Jpeg, "DeviceCMYK", 4, 1,
         8},
        {"jpeg ycck", jpeg_file(4, 1, 4, JCS_CMYK, JCS_YCCK), ImageFormat::Jpeg, "DeviceCMYK", 4, 1,
         8},
        {"jpeg 65500 wide", jpeg_file(65500, 1, 1, JCS_GRAYSCALE, JCS_GRAYSCALE), ImageFormat::Jpeg,
         "DeviceGray", 65500, 1, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.file.empty());
        auto info = probe(c.file);
        ASSERT_TRUE(info.ok()) << display(info.error());
        EXPECT_EQ(info->format, c.format);
        EXPECT_EQ(info->color_space, c.color_space);
        EXPECT_EQ(info->width, c.width);
        EXPECT_EQ(info->height, c.height);
        EXPECT_EQ(info->bits_per_component, c.bits);
        EXPECT_EQ(info->bytes, c.file);
    }
}

Bytes prefix(const Bytes& bytes, std::size_t n) {
    return Bytes(bytes.begin(), bytes.begin() + n);
}

Bytes with_byte(Bytes bytes, std::size_t at, std::uint8_t value) {
    bytes[at] = value;
    return bytes;
}

struct ErrorCase {
    const char* name;
    Bytes file;
    const char* message;
};

TEST(ImageProbe, RejectsWithTheReadersMessageAndPrintsNothing) {
    const Bytes jpeg = jpeg_file(8, 8, 3, JCS_RGB, JCS_YCbCr);
    const ErrorCase cases[] = {
        {"empty", {}, "Unknown image format"},
        {"seven png bytes", prefix(rgb_png(), 7), "Unknown image format"},
        {"seven jpeg bytes", prefix(jpeg, 7), "Unknown image format"},
        {"gif", {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0}, "Unknown image format"},
        {"png signature only", prefix(rgb_png(), 8), "PNG decode error: unexpected end of file"},
        {"png cut inside IHDR", prefix(rgb_png(), 20), "PNG decode error: unexpected end of file"},
        {"png IHDR crc", with_byte(rgb_png(), 30, 0), "PNG decode error: IHDR: CRC error"},
        {"png bad signature tail", with_byte(rgb_png(), 7, 0), "Unknown image format"},
        {"png width beyond limit", image_test::with_png_size(rgb_png(), 0x7FFFFFFF, 1),
         "PNG decode error: Invalid IHDR data"},
        {"png zero height", image_test::with_png_size(rgb_png(), 1, 0),
         "PNG decode error: Invalid IHDR data"},
        {"png palette", png_file({2, 1, PNG_COLOR_TYPE_PALETTE, 8, Bytes{0, 1}}),
         "Indexed PNG images are not supported"},
        {"jpeg cut after SOI", prefix(jpeg, 8),
         "Failed to read JPEG info: JPEG datastream contains no image"},
        {"jpeg lossless", Bytes{0xFF, 0xD8, 0xFF, 0xC3, 0, 0, 0, 0},
         "Failed to read JPEG info: Unsupported JPEG process: SOF type 0xc3"},
        // SOI, a one-component frame of 12-bit samples, a scan header
        {"jpeg 12-bit gray", Bytes{0xFF, 0xD8, 0xFF, 0xC0, 0, 11, 12, 0, 1, 0, 1,    1, 1,
                                   0x11, 0,    0xFF, 0xDA, 0, 8,  1,  1, 0, 0, 0x3F, 0},
         "Failed to read JPEG info: Unsupported JPEG data precision 12"},
        {"jpeg two components", jpeg_file(2, 2, 2, JCS_UNKNOWN, JCS_UNKNOWN),
         "Unsupported JPEG pixel format: 2 components of 8 bits"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        auto info = probe(c.file);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_FALSE(info.ok());
        EXPECT_EQ(display(info.error()), c.message);
    }
}

}  // namespace
}  // namespace lorp
