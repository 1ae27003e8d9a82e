#include "types/real_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "types/white_space.h"

namespace lorp {
namespace {

TEST(RealNumberTest, ReadsDecimalNumbers) {
    const struct {
        const char* text;
        double expected;
    } cases[] = {
        {"0", 0},
        {"-0", 0},
        {"12", 12},
        {"+1.5", 1.5},
        {"-0.25", -0.25},
        {".5", 0.5},
        {"5.", 5},
        {"1e3", 1000},
        {"1E-3", 0.001},
        {"2.5e+2", 250},
        {"1e400", std::numeric_limits<double>::infinity()},
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"1e-400", 0},
        {"0.000e999999999999999999", 0},
        {"00012.500", 12.5},
    };
    for (const auto& c : cases) {
        std::optional<double> value = parse_real(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.expected) << c.text;
    }
}

TEST(RealNumberTest, RejectsEverythingElse) {
    const char* cases[] = {"",    "+",   "-",   ".",     "e3",  "1e",   "1e+",          "1.2.3",
                           " 1",  "1 ",  "1,5", "inf",   "nan", "NaN",  "infinity",     "0x10",
                           "1pt", "--1", "+-1", "1e3.5", "١",   "\xff", "1\xe2\x80\x80"};
    for (const char* text : cases) {
        EXPECT_FALSE(parse_real(text).has_value()) << text;
    }
    EXPECT_FALSE(parse_real(std::string_view("1\0", 2)).has_value());
}

TEST(RealNumberTest, LongDigitRunsReadWithoutTrouble) {
    std::string digits(1 << 20, '9');
    EXPECT_TRUE(std::isinf(*parse_real(digits)));
    EXPECT_EQ(*parse_real("0." + digits), 1.0);
}

TEST(RealNumberTest, Int32KeepsToItsRange) {
    EXPECT_EQ(parse_int32("3"), 3);
    EXPECT_EQ(parse_int32("+7"), 7);
    EXPECT_EQ(parse_int32("-5"), -5);
    EXPECT_EQ(parse_int32("2147483647"), 2147483647);
    EXPECT_EQ(parse_int32("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* text : {"2147483648", "-2147483649", "99999999999", "", "+", "-", "1.0", "1e3",
                             "+-1", " 1", "0x1"}) {
        EXPECT_FALSE(parse_int32(text).has_value()) << text;
    }
}

TEST(WhiteSpaceTest, TrimsAndSplitsUnicodeWhiteSpace) {
    // U+00A0, U+2003, U+3000 and U+0085 are white space; U+200B is not.
    EXPECT_EQ(trim_white_space("\t\n a b \r\xc2\xa0"), "a b");
    EXPECT_EQ(trim_white_space("\xe2\x80\x83x\xe3\x80\x80"), "x");
    EXPECT_EQ(trim_white_space("\xe2\x80\x8bx"), "\xe2\x80\x8bx");
    EXPECT_EQ(trim_white_space("   "), "");
    EXPECT_EQ(trim_white_space("\xc2"), "\xc2");  // truncated sequence is kept
    std::vector<std::string_view> expected = {"1pt", "solid", "x", "y"};
    EXPECT_EQ(split_white_space("  1pt \t solid\xe2\x80\xa8x\xc2\x85y "), expected);
    EXPECT_TRUE(split_white_space(" \n ").empty());
}

}  // namespace
}  // namespace lorp
