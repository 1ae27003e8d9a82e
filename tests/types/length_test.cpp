#include "types/length.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "types/percentage.h"

namespace lorp {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(LengthTest, TokensWithEveryUnit) {
    const struct {
        const char* token;
        std::int32_t millipoints;
    } cases[] = {
        {"12pt", 12000},
        {"0.5pt", 500},
        {"1in", 72000},
        {"25.4mm", 72000},
        {"2.54cm", 72000},
        {"2cm", 56693},
        {"16px", 12000},
        {"1px", 750},
        {"2ex", 12000},
        {"0pt", 0},
        {"-0pt", 0},
        {"-3.5pt", -3500},
        {"+1pt", 1000},
        {".5in", 36000},
        {"1e3pt", 1000000},
        {"1E-3pt", 1},
        {"0.0004pt", 0},
        {"0.0005pt", 1},
        {"-0.0005pt", -1},
        {"0.0015pt", 2},
        {"1e9pt", kMax},
        {"-1e9pt", kMin},
        {"1e400pt", kMax},
        {"-1e400in", kMin},
        {"2147483.647pt", kMax},
        {"-2147483.648pt", kMin},
    };
    for (const auto& c : cases) {
        std::optional<LengthToken> token = parse_length_token(c.token);
        ASSERT_TRUE(token.has_value()) << c.token;
        ASSERT_TRUE(std::holds_alternative<Length>(*token)) << c.token;
        EXPECT_EQ(std::get<Length>(*token).millipoints(), c.millipoints) << c.token;
    }
}

TEST(LengthTest, EmIsAMultipleNotALength) {
    EXPECT_EQ(parse_length_token("1.5em"), LengthToken(EmMultiple{1.5}));
    EXPECT_EQ(parse_length_token("-2em"), LengthToken(EmMultiple{-2}));
}

TEST(LengthTest, TokensThatAreNotLengths) {
    const char* cases[] = {"pt",    "xpt",   "1.2.3pt",    "12",       "1.5",      "12PT",
                           "12Pt",  "1pc",   "",           "p",        "5",        " 12pt",
                           "12pt ", "12 pt", "infpt",      "nanpt",    "1e",       "em",
                           "-pt",   "12%",   "1\xc3\xa9t", "\xff\xfe", "calc(1pt)"};
    for (const char* token : cases) {
        EXPECT_FALSE(parse_length_token(token).has_value()) << token;
    }
}

TEST(LengthTest, ConversionRoundsHalvesAwayAndClamps) {
    const struct {
        double millipoints;
        std::int32_t expected;
    } cases[] = {
        {0.5, 1},
        {-0.5, -1},
        {1.5, 2},
        {2.5, 3},
        {-2.5, -3},
        {0.4999, 0},
        {3e9, kMax},
        {-3e9, kMin},
        {std::numeric_limits<double>::infinity(), kMax},
        {-std::numeric_limits<double>::infinity(), kMin},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Length::from_real_millipoints(c.millipoints).millipoints(), c.expected)
            << c.millipoints;
    }
    EXPECT_EQ(Length::from_points(12).millipoints(), 12000);
}

TEST(LengthTest, ArithmeticSaturatesAndScalesWithTheSameRounding) {
    Length a = Length::from_millipoints(1500);
    Length b = Length::from_millipoints(-250);
    EXPECT_EQ((a + b).millipoints(), 1250);
    EXPECT_EQ((a - b).millipoints(), 1750);
    EXPECT_EQ((-b).millipoints(), 250);
    EXPECT_EQ(a.scaled(1.0 / 3).millipoints(), 500);
    EXPECT_EQ(Length::from_millipoints(5).scaled(0.5).millipoints(), 3);
    EXPECT_EQ(Length::from_millipoints(-5).scaled(0.5).millipoints(), -3);
    EXPECT_EQ(a.divided(4).millipoints(), 375);
    EXPECT_EQ(Length::from_millipoints(kMax) + a, Length::from_millipoints(kMax));
    EXPECT_EQ(Length::from_millipoints(kMin) - a, Length::from_millipoints(kMin));
    EXPECT_EQ(-Length::from_millipoints(kMin), Length::from_millipoints(kMax));
    EXPECT_LT(b, a);
}

TEST(LengthTest, PrintedForms) {
    const struct {
        std::int32_t millipoints;
        const char* text;
    } cases[] = {
        {12000, "12pt"}, {1500, "1.5pt"},     {-250, "-0.25pt"},       {0, "0pt"},
        {1, "0.001pt"},  {56693, "56.693pt"}, {kMax, "2147483.647pt"}, {kMin, "-2147483.648pt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(length_text(Length::from_millipoints(c.millipoints)), c.text);
    }
    EXPECT_EQ(display(Length::from_millipoints(12000)), "Length(12pt)");
}

TEST(PercentageTest, ReadsTheFraction) {
    const struct {
        const char* text;
        double fraction;
    } cases[] = {
        {"50%", 0.5}, {" 12.5 % ", 0.125}, {"-10%", -0.1}, {"0%", 0}, {"150%", 1.5}, {"1e2%", 1},
    };
    for (const auto& c : cases) {
        Result<double> result = parse_percentage(c.text);
        ASSERT_TRUE(result.ok()) << c.text;
        EXPECT_DOUBLE_EQ(*result, c.fraction) << c.text;
    }
}

TEST(PercentageTest, ErrorsNameTheTrimmedText) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {" 50 ", "Parse error: Percentage must end with '%': 50"},
        {"", "Parse error: Percentage must end with '%': "},
        {" abc% ", "Parse error: Invalid percentage value: abc%"},
        {"%", "Parse error: Invalid percentage value: %"},
        {"50%%", "Parse error: Invalid percentage value: 50%%"},
        {"inf%", "Parse error: Invalid percentage value: inf%"},
    };
    for (const auto& c : cases) {
        Result<double> result = parse_percentage(c.text);
        ASSERT_FALSE(result.ok()) << c.text;
        EXPECT_EQ(display(result.error()), c.message);
    }
}

TEST(PercentageTest, Display) {
    EXPECT_EQ(display_percentage(0.5), "Percentage(50%)");
    EXPECT_EQ(display_percentage(1.5), "Percentage(150%)");
    EXPECT_EQ(display_percentage(-0.125), "Percentage(-12.5%)");
    EXPECT_EQ(display_percentage(0), "Percentage(0%)");
}

}  // namespace
}  // namespace lorp
