#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "error/result.h"
#include "types/length.h"

namespace lorp {

enum class ExpressionKind : std::uint8_t { Literal, Percentage, Add, Sub, Mul, Div };

using ExpressionNodeId = std::uint32_t;

// One node of a calc() tree. Which fields count depends on the kind:
//   Literal     length
//   Percentage  number (the fraction: 50% is 0.5)
//   Add, Sub    left, right
//   Mul, Div    left, number (the factor or the divisor, never 0 for Div)
struct ExpressionNode {
    ExpressionKind kind = ExpressionKind::Literal;
    Length length;
    double number = 0;
    ExpressionNodeId left = 0;
    ExpressionNodeId right = 0;

    friend bool operator==(const ExpressionNode&, const ExpressionNode&) = default;
};

// A calc() tree kept in an arena: children are added before their parents and
// the root is the last node. Copying copies the whole tree; destroying it never
// recurses.
struct Expression {
    std::vector<ExpressionNode> nodes;

    ExpressionNodeId root() const { return static_cast<ExpressionNodeId>(nodes.size() - 1); }
    const ExpressionNode& node(ExpressionNodeId id) const { return nodes[id]; }

    friend bool operator==(const Expression&, const Expression&) = default;
};

// Nesting deeper than this (parentheses or chained operators) is a parse error.
inline constexpr int kMaxExpressionDepth = 64;

// Reads "calc(<expression>)". Errors are of the parse kind.
Result<Expression> parse_calc(std::string_view text);

// Reads an expression without the calc() wrapper; `text` is trimmed first.
Result<Expression> parse_expression(std::string_view text);

// The tree form quoted in messages, e.g.
// "Add(Literal(Length(10pt)), Mul(Percentage(Percentage(50%)), 2.0))".
std::string display(const Expression& expression);

}  // namespace lorp
