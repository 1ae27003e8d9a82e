#include "types/expression.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>

namespace lorp {
namespace {

std::string outcome(std::string_view text) {
    Result<Expression> result = parse_calc(text);
    return result.ok() ? display(*result) : display(result.error());
}

TEST(ExpressionTest, ValidExpressions) {
    const struct {
        const char* text;
        const char* tree;
    } cases[] = {
        {"calc(10pt + 5pt)", "Add(Literal(Length(10pt)), Literal(Length(5pt)))"},
        {"calc(1in - 2cm)", "Sub(Literal(Length(72pt)), Literal(Length(56.693pt)))"},
        {"calc(10pt + 5pt * 2)", "Add(Literal(Length(10pt)), Mul(Literal(Length(5pt)), 2.0))"},
        {"calc((10pt + 5pt) * 2)", "Mul(Add(Literal(Length(10pt)), Literal(Length(5pt))), 2.0)"},
        {"calc(10pt / 0.5)", "Div(Literal(Length(10pt)), 0.5)"},
        {"calc(1pt - 2pt - 3pt)",
         "Sub(Sub(Literal(Length(1pt)), Literal(Length(2pt))), Literal(Length(3pt)))"},
        {"calc(8pt / 2 * 3)", "Mul(Div(Literal(Length(8pt)), 2.0), 3.0)"},
        {"calc(50%)", "Percentage(Percentage(50%))"},
        {"calc(7%)", "Percentage(Percentage(7%))"},
        {"calc(50%%)", "Percentage(Percentage(50%))"},
        {"calc(50 %)", "Percentage(Percentage(50%))"},
        {"calc(100% - 10pt)", "Sub(Percentage(Percentage(100%)), Literal(Length(10pt)))"},
        {"calc(10pt + 5%)", "Add(Literal(Length(10pt)), Percentage(Percentage(5%)))"},
        {"calc(1e3pt)", "Literal(Length(1000pt))"},
        {"calc(2E2mm)", "Literal(Length(566.929pt))"},
        {"calc(25.4mm)", "Literal(Length(72pt))"},
        {"calc(0.0005pt)", "Literal(Length(0.001pt))"},
        {"  calc( ( (1pt) ) )  ", "Literal(Length(1pt))"},
        {"calc(1pt*1e2)", "Mul(Literal(Length(1pt)), 100.0)"},
        {"calc(1pt * 0.00001)", "Mul(Literal(Length(1pt)), 1e-5)"},
        {"calc(1e9pt)", "Literal(Length(2147483.647pt))"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome(c.text), c.tree) << c.text;
    }
}

TEST(ExpressionTest, ErrorMessages) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"10pt + 5pt", "Expression must be wrapped in calc(): 10pt + 5pt"},
        {" calc(1pt ", "Expression must be wrapped in calc(): calc(1pt"},
        {"calc)", "Expression must be wrapped in calc(): calc)"},
        {"CALC(1pt)", "Expression must be wrapped in calc(): CALC(1pt)"},
        {"calc()", "Invalid length: "},
        {"calc(10pt / 0)", "Division by zero"},
        {"calc(10pt / -0.0)", "Right side of / must be a number: "},
        {"calc(10pt / 0.0)", "Division by zero"},
        {"calc(12)", "Invalid length: 12"},
        {"calc(1e3)", "Invalid length: 1e3"},
        {"calc(12px)", "Unknown unit: px"},
        {"calc(1em)", "Unknown unit: em"},
        {"calc(1ex)", "Unknown unit: ex"},
        {"calc(1PT)", "Unknown unit: PT"},
        {"calc(..5pt)", "Invalid number: ..5"},
        {"calc(1e-3pt)", "Unknown unit: e"},
        {"calc(-5pt)", "Invalid length: "},
        {"calc(10pt + )", "Invalid length: "},
        {"calc(2 * 10pt)", "Invalid length: 2"},
        {"calc(10pt * (1 + 1))", "Right side of * must be a number: (1 + 1)"},
        {"calc(10pt / x)", "Right side of / must be a number: x"},
        {"calc(10pt * inf)", "Right side of * must be a number: inf"},
        {"calc(abc%)", "Invalid percentage: abc%"},
        {"calc(pt)", "Invalid length: pt"},
        {"calc(1pt + bad + 2pt)", "Invalid length: bad"},
        {"calc(1pt + 2px + 3em)", "Unknown unit: px"},
        {"calc(()", "Invalid length: ("},
        {"calc(1pt))", "Unknown unit: pt)"},
        {"calc(\xff\xfe)", "Invalid length: \xff\xfe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(outcome(c.text), std::string("Parse error: ") + c.message) << c.text;
    }
}

std::string nested(int depth) {
    return "calc(" + std::string(depth, '(') + "1pt" + std::string(depth, ')') + ")";
}

std::string chain(int operators) {
    std::string text = "calc(1pt";
    for (int i = 0; i < operators; ++i) {
        text += "+1pt";
    }
    return text + ")";
}

TEST(ExpressionTest, NestingIsBoundedAt64Levels) {
    const std::string too_deep = "Parse error: Expression nested too deeply";
    EXPECT_EQ(outcome(nested(64)), "Literal(Length(1pt))");
    EXPECT_EQ(outcome(nested(65)), too_deep);
    EXPECT_TRUE(parse_calc(chain(64)).ok());
    EXPECT_EQ(outcome(chain(65)), too_deep);
    // Parentheses and operators count together: 60 pairs and 4 operators still fit.
    EXPECT_TRUE(parse_calc("calc(" + std::string(60, '(') + "1pt+1pt+1pt+1pt+1pt" +
                           std::string(60, ')') + ")")
                    .ok());
    EXPECT_EQ(outcome("calc(" + std::string(61, '(') + "1pt+1pt+1pt+1pt+1pt" +
                      std::string(61, ')') + ")"),
              too_deep);
}

TEST(ExpressionTest, HostileMegabyteInputsFailQuickly) {
    const std::string too_deep = "Parse error: Expression nested too deeply";
    const std::string inputs[] = {nested(1 << 19), chain(1 << 18),
                                  "calc(1pt" + std::string(1 << 20, '*') + "2)",
                                  "calc(1pt" + std::string(1 << 20, ')') + ")"};
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(outcome(inputs[0]), too_deep);
    EXPECT_EQ(outcome(inputs[1]), too_deep);
    EXPECT_EQ(outcome(inputs[2]), too_deep);
    EXPECT_FALSE(parse_calc(inputs[3]).ok());
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_LT(elapsed, std::chrono::seconds(5));
}

TEST(ExpressionTest, TreeIsAnArenaWithTheRootLast) {
    Result<Expression> result = parse_calc("calc(1pt + 2pt * 3)");
    ASSERT_TRUE(result.ok());
    const Expression& expression = *result;
    const ExpressionNode& root = expression.node(expression.root());
    EXPECT_EQ(root.kind, ExpressionKind::Add);
    EXPECT_EQ(expression.node(root.left).length.millipoints(), 1000);
    const ExpressionNode& mul = expression.node(root.right);
    EXPECT_EQ(mul.kind, ExpressionKind::Mul);
    EXPECT_EQ(mul.number, 3.0);
    Expression copy = expression;
    EXPECT_EQ(copy, expression);
}

TEST(ExpressionTest, ParseExpressionTakesTheBareForm) {
    Result<Expression> result = parse_expression("  (1pt) - 50% ");
    ASSERT_TRUE(result.ok());
    EXPECT_EQ(display(*result), "Sub(Literal(Length(1pt)), Percentage(Percentage(50%)))");
}

}  // namespace
}  // namespace lorp
