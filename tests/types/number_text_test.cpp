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
        {1.0, "1"},          {255.0, "255"},       {-999999.0, "-999999"},
        {1.5, "1.5"},        {0.0, "0"},           {-0.0, "0"},
        {0.1, "0.1"},        {-0.5, "-0.5"},       {1e21, "1000000000000000000000"},
        {1e-7, "0.0000001"}, {595.276, "595.276"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortest(c.value), c.expected) << c.expected;
    }
    EXPECT_EQ(shortest(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(shortest(std::numeric_limits<double>::max()).size(), 309u);
}

TEST(NumberTextTest, PercentMovesTheDecimalPoint) {
    const struct {
        double fraction;
        const char* expected;
    } cases[] = {
        {0.07, "7"},     {0.57, "57"},   {0.125, "12.5"}, {1.0, "100"},     {0.0, "0"},
        {-0.5, "-50"},   {0.001, "0.1"}, {12.0, "1200"},  {0.0000001, "0.00001"},
        {1.2345678, "123.45678"},
    };
    for (const auto& c : cases) {
        std::string out;
        append_shortest_percent(out, c.fraction);
        EXPECT_EQ(out, c.expected) << c.expected;
    }
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

TEST(NumberTextTest, RealKeepsOneDecimalAndUsesExponentAtTheExtremes) {
    const struct {
        double value;
        const char* expected;
    } cases[] = {
        {2.0, "2.0"},           {0.0, "0.0"},       {-0.5, "-0.5"},
        {1.5, "1.5"},           {0.0001, "0.0001"}, {0.00005, "5e-5"},
        {-1.5e-7, "-1.5e-7"},   {1e16, "1e16"},     {9999999999999998.0, "9999999999999998.0"},
        {1.25e300, "1.25e300"}, {1e-300, "1e-300"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(real_text(c.value), c.expected) << c.expected;
    }
    EXPECT_EQ(real_text(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(real_text(-std::numeric_limits<double>::infinity()), "-inf");
}

}  // namespace
}  // namespace lorp
