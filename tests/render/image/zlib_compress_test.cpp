#include "render/image/zlib_compress.h"

#include <gtest/gtest.h>

#include "render/image/image_fixtures.h"

namespace lorp {
namespace {

using image_test::Bytes;

TEST(ZlibCompress, RoundTripsAcrossOutputSteps) {
    // Noise does not compress, so its stream needs several 32 KiB steps.
    Bytes noise(100000);
    std::uint32_t state = 1;
    for (auto& byte : noise) {
        state = state * 1664525u + 1013904223u;
        byte = static_cast<std::uint8_t>(state >> 24);
    }
    for (const Bytes& input : {Bytes{}, Bytes(70000, 'a'), noise}) {
        SCOPED_TRACE(input.size());
        auto compressed = zlib_compress(input);
        ASSERT_TRUE(compressed.ok()) << display(compressed.error());
        ASSERT_GE(compressed->size(), 2u);
        // zlib header of a deflate stream at the default level
        EXPECT_EQ(static_cast<unsigned char>((*compressed)[0]), 0x78);
        EXPECT_EQ(static_cast<unsigned char>((*compressed)[1]), 0x9C);
        EXPECT_EQ(image_test::inflated(*compressed), input);
    }
}

}  // namespace
}  // namespace lorp
