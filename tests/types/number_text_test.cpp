#include "types/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace lorp {
namespace {

TEST(NumberTextTest, ShortestHasNoExponentAndNoTrailingZero) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {1.0, "1"},         {255.0, "255"},   {-999999.0, "-999999"}, {1.5, "1.5"},
        {0.0, "0"},         {-0.0, "0"},      {0.1, "0.1"},           {-0.5, "-0.5"},
        {1e21, "1000000000000000000000"},     {1e-7, "0.0000001"},    {595.276, "595.276"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortest(c.value), c.expected) << c.expected;
    }
    EXPECT_EQ(shortest(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(shortest(std::numeric_limits<double>::max()).size(), 309u);
}

TEST(NumberTextTest, FixedDecimals) {
    std::string out;
    append_fixed(out, 1.0, 3);
    out += ' ';
    append_fixed(out, -2.5, 1);
    out += ' ';
    append_fixed(out, 0.12345, 2);
    EXPECT_EQ(out, "1.000 -2.5 0.12");
}

}  // namespace
}  // namespace lorp
