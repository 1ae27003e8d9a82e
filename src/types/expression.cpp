#include "types/expression.h"

#include <optional>

#include "types/number_text.h"
#include "types/percentage.h"
#include "types/real_number.h"
#include "types/white_space.h"

namespace lorp {

namespace {
constexpr std::string_view kCalcPrefix = "calc(";

struct CalcUnit {
    std::string_view name;
    double factor;
};
constexpr CalcUnit kCalcUnits[] = {{"pt", kMillipointsPerPoint},
                                   {"mm", kMillipointsPerMillimetre},
                                   {"cm", kMillipointsPerCentimetre},
                                   {"in", kMillipointsPerInch}};

ConversionError parse_error(std::string_view prefix, std::string_view text) {
    std::string message(prefix);
    message += text;
    return ConversionError::parse(std::move(message));
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// The positions of the last "+" or "-" and the last "*" or "/" outside
// parentheses, npos where there is none. "(" raises the nesting after itself,
// ")" lowers it.
struct TopLevelOperators {
    std::size_t additive = std::string_view::npos;
    std::size_t multiplicative = std::string_view::npos;
};

TopLevelOperators find_top_level_operators(std::string_view s) {
    TopLevelOperators found;
    std::int64_t nesting = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        switch (s[i]) {
            case '(':
                ++nesting;
                break;
            case ')':
                --nesting;
                break;
            case '+':
            case '-':
                if (nesting == 0) {
                    found.additive = i;
                }
                break;
            case '*':
            case '/':
                if (nesting == 0) {
                    found.multiplicative = i;
                }
                break;
            default:
                break;
        }
    }
    return found;
}

// Builds the tree bottom-up into `nodes`. Recursion follows the nesting of the
// text, and every operator split or parenthesis pair costs one level of
// `depth`, so it stops at kMaxExpressionDepth whatever the input.
class CalcParser {
public:
    explicit CalcParser(std::vector<ExpressionNode>& nodes) : nodes_(nodes) {}

    Result<ExpressionNodeId> parse(std::string_view s, int depth) {
        for (;;) {
            if (depth > kMaxExpressionDepth) {
                return ConversionError::parse("Expression nested too deeply");
            }
            TopLevelOperators found = find_top_level_operators(s);
            if (std::size_t p = found.additive; p != std::string_view::npos) {
                return binary(s, p, depth, s[p] == '+' ? ExpressionKind::Add : ExpressionKind::Sub);
            }
            if (std::size_t p = found.multiplicative; p != std::string_view::npos) {
                return scaled(s, p, depth);
            }
            if (s.size() > 1 && s.front() == '(' && s.back() == ')') {
                s = trim_white_space(s.substr(1, s.size() - 2));
                ++depth;
                continue;
            }
            if (!s.empty() && s.back() == '%') {
                return percentage(s);
            }
            return literal(s);
        }
    }

private:
    ExpressionNodeId add(ExpressionNode node) {
        nodes_.push_back(node);
        return static_cast<ExpressionNodeId>(nodes_.size() - 1);
    }

    Result<ExpressionNodeId> binary(std::string_view s, std::size_t p, int depth,
                                    ExpressionKind kind) {
        Result<ExpressionNodeId> left = parse(trim_white_space(s.substr(0, p)), depth + 1);
        if (!left) {
            return std::move(left).error();
        }
        Result<ExpressionNodeId> right = parse(trim_white_space(s.substr(p + 1)), depth + 1);
        if (!right) {
            return std::move(right).error();
        }
        ExpressionNode node;
        node.kind = kind;
        node.left = *left;
        node.right = *right;
        return add(node);
    }

    // The right side of "*" and "/" is a plain number, never a node.
    Result<ExpressionNodeId> scaled(std::string_view s, std::size_t p, int depth) {
        Result<ExpressionNodeId> left = parse(trim_white_space(s.substr(0, p)), depth + 1);
        if (!left) {
            return std::move(left).error();
        }
        std::string_view right_text = trim_white_space(s.substr(p + 1));
        std::optional<double> number = parse_real(right_text);
        if (!number) {
            std::string prefix = "Right side of ";
            prefix += s[p];
            prefix += " must be a number: ";
            return parse_error(prefix, right_text);
        }
        bool divide = s[p] == '/';
        if (divide && *number == 0) {
            return ConversionError::parse("Division by zero");
        }
        ExpressionNode node;
        node.kind = divide ? ExpressionKind::Div : ExpressionKind::Mul;
        node.left = *left;
        node.number = *number;
        return add(node);
    }

    Result<ExpressionNodeId> percentage(std::string_view s) {
        std::string_view number_text = s;
        while (!number_text.empty() && number_text.back() == '%') {
            number_text.remove_suffix(1);
        }
        std::optional<double> number = parse_real(trim_white_space(number_text));
        if (!number) {
            return parse_error("Invalid percentage: ", s);
        }
        ExpressionNode node;
        node.kind = ExpressionKind::Percentage;
        node.number = *number / 100.0;
        return add(node);
    }

    // "<number><unit>". The number is the longest prefix of digits, signs and
    // points, extended by an unsigned exponent ("1e3pt" is 1000pt); a signed
    // exponent never gets here whole, because its sign splits the text first.
    Result<ExpressionNodeId> literal(std::string_view s) {
        s = trim_white_space(s);
        std::size_t end = 0;
        while (end < s.size() &&
               (is_digit(s[end]) || s[end] == '+' || s[end] == '-' || s[end] == '.')) {
            ++end;
        }
        if (end > 0 && end + 1 < s.size() && (s[end] == 'e' || s[end] == 'E') &&
            is_digit(s[end + 1])) {
            end += 1;
            while (end < s.size() && is_digit(s[end])) {
                ++end;
            }
        }
        if (end == 0 || end == s.size()) {
            return parse_error("Invalid length: ", s);
        }
        std::string_view number_text = s.substr(0, end);
        std::optional<double> number = parse_real(number_text);
        if (!number) {
            return parse_error("Invalid number: ", number_text);
        }
        std::string_view unit = s.substr(end);
        for (const CalcUnit& known : kCalcUnits) {
            if (unit == known.name) {
                ExpressionNode node;
                node.kind = ExpressionKind::Literal;
                node.length = Length::from_real_millipoints(*number * known.factor);
                return add(node);
            }
        }
        return parse_error("Unknown unit: ", unit);
    }

    std::vector<ExpressionNode>& nodes_;
};

// Trees come from the parser, so their depth is bounded and recursion is safe.
void append_node(std::string& out, const Expression& expression, ExpressionNodeId id) {
    const ExpressionNode& node = expression.node(id);
    switch (node.kind) {
        case ExpressionKind::Literal:
            out += "Literal(";
            out += display(node.length);
            break;
        case ExpressionKind::Percentage:
            out += "Percentage(";
            out += display_percentage(node.number);
            break;
        case ExpressionKind::Add:
        case ExpressionKind::Sub:
            out += node.kind == ExpressionKind::Add ? "Add(" : "Sub(";
            append_node(out, expression, node.left);
            out += ", ";
            append_node(out, expression, node.right);
            break;
        case ExpressionKind::Mul:
        case ExpressionKind::Div:
            out += node.kind == ExpressionKind::Mul ? "Mul(" : "Div(";
            append_node(out, expression, node.left);
            out += ", ";
            append_real(out, node.number);
            break;
    }
    out += ')';
}
}  // namespace

Result<Expression> parse_expression(std::string_view text) {
    Expression expression;
    Result<ExpressionNodeId> root = CalcParser(expression.nodes).parse(trim_white_space(text), 0);
    if (!root) {
        return std::move(root).error();
    }
    return expression;
}

Result<Expression> parse_calc(std::string_view text) {
    std::string_view trimmed = trim_white_space(text);
    if (trimmed.size() < 6 || !trimmed.starts_with(kCalcPrefix) || !trimmed.ends_with(')')) {
        return parse_error("Expression must be wrapped in calc(): ", trimmed);
    }
    return parse_expression(
        trimmed.substr(kCalcPrefix.size(), trimmed.size() - kCalcPrefix.size() - 1));
}

std::string display(const Expression& expression) {
    std::string out;
    if (!expression.nodes.empty()) {
        append_node(out, expression, expression.root());
    }
    return out;
}

}  // namespace lorp
