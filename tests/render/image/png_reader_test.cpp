#include "render/image/png_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "render/image/image_fixtures.h"

namespace lorp {
namespace {

using image_test::Bytes;
using image_test::png_file;
using image_test::PngSpec;

Bytes counting(std::size_t n) {
    Bytes bytes(n);
    for (std::size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 7);
    }
    return bytes;
}

TEST(PngFrame, DecodesRowsAsStoredWithOrWithoutInterlacing) {
    for (bool interlaced : {false, true}) {
        SCOPED_TRACE(interlaced ? "interlaced" : "plain");
        const Bytes rows = counting(5 * 4 * 2);
        auto frame =
            decode_png_frame(png_file({5, 4, PNG_COLOR_TYPE_GRAY_ALPHA, 8, rows, interlaced}));
        ASSERT_TRUE(frame.ok()) << display(frame.error());
        EXPECT_EQ(frame->width, 5u);
        EXPECT_EQ(frame->height, 4u);
        EXPECT_EQ(frame->channels, 2);
        EXPECT_EQ(frame->samples, rows);
    }
}

// Offset of the type field of the first IDAT chunk.
std::size_t idat_at(const Bytes& png) {
    const std::uint8_t type[] = {'I', 'D', 'A', 'T'};
    return std::search(png.begin(), png.end(), std::begin(type), std::end(type)) - png.begin();
}

// The image data no longer a zlib stream, its chunk CRC still good.
Bytes with_broken_zlib_header(Bytes png) {
    std::size_t type = idat_at(png);
    std::uint32_t length =
        (png[type - 4] << 24) | (png[type - 3] << 16) | (png[type - 2] << 8) | png[type - 1];
    png[type + 4] = 0;
    auto crc = static_cast<std::uint32_t>(crc32(0, png.data() + type, 4 + length));
    for (int i = 0; i < 4; ++i) {
        png[type + 4 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    }
    return png;
}

TEST(PngFrame, FailsCleanly) {
    const Bytes rgb = png_file({4, 4, PNG_COLOR_TYPE_RGB, 8, counting(48)});
    const Bytes cut_in_data(rgb.begin(), rgb.begin() + idat_at(rgb) + 10);
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"16-bit", png_file({1, 1, PNG_COLOR_TYPE_GRAY, 16, Bytes(2, 1)}),
         "Only 8-bit PNG images are supported"},
        {"1-bit", png_file({8, 1, PNG_COLOR_TYPE_GRAY, 1, Bytes(1, 0x0F)}),
         "Only 8-bit PNG images are supported"},
        {"cut inside the image data", cut_in_data, "PNG frame error: unexpected end of file"},
        {"image data not zlib", with_broken_zlib_header(rgb),
         "PNG frame error: IDAT: incorrect header check"},
        // The header's claims are checked before anything is allocated.
        {"a million squared", image_test::with_png_size(rgb, 1000000, 1000000),
         "PNG frame error: image of 3000000000000 bytes exceeds the 64 MiB decoder memory limit"},
        {"one row past the limit", image_test::with_png_size(rgb, 8192, 2731),
         "PNG frame error: image of 67117056 bytes exceeds the 64 MiB decoder memory limit"},
        // At the limit the frame is allocated and the missing data shows.
        {"at the limit", image_test::with_png_size(rgb, 8192, 2730),
         "PNG frame error: Not enough image data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::internal::CaptureStderr();
        auto frame = decode_png_frame(c.file);
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
        ASSERT_FALSE(frame.ok());
        EXPECT_EQ(display(frame.error()), c.message);
    }
}

}  // namespace
}  // namespace lorp
