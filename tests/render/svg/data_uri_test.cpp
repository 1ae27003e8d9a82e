#include "render/svg/data_uri.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

TEST(DataUri, StandardBase64WithPadding) {
    const std::pair<std::string, std::string> cases[] = {
        {"", ""},
        {"f", "Zg=="},
        {"fo", "Zm8="},
        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},
        {"fooba", "Zm9vYmE="},
        {"foobar", "Zm9vYmFy"},
        {"\xFB\xFF", "+/8="},
        {std::string("\0\0\0", 3), "AAAA"},
    };
    for (const auto& [input, expected] : cases) {
        std::string out = "x";
        append_base64(out,
                      std::span(reinterpret_cast<const std::uint8_t*>(input.data()), input.size()));
        EXPECT_EQ(out, "x" + expected) << input;
    }
}

TEST(DataUri, MediaTypeFollowsTheProbe) {
    const std::vector<std::uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    // A PNG signature without a header does not read.
    EXPECT_FALSE(image_data_uri(png).ok());
    const auto unknown =
        image_data_uri(std::vector<std::uint8_t>{'G', 'I', 'F', '8', '9', 'a', 0, 0});
    ASSERT_FALSE(unknown.ok());
    EXPECT_EQ(display(unknown.error()), "Unknown image format");
}

}  // namespace
}  // namespace lorp
