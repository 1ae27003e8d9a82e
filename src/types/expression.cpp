#include "types/expression.h"

#include <algorithm>
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

// Where the operators of a whole expression text sit, so that each level of
// the parse finds its operator by binary search instead of rescanning its text.
//
// An operator belongs to the level of a piece s when it lies in s and the
// nesting in front of it, counted from the start of s ("(" raises it after
// itself, ")" lowers it), is 0. Counted from the start of the whole text
// instead, that is: its absolute nesting equals the absolute nesting at the
// start of s. Pieces start at the same nesting as the text they were cut
// from, except inside a parenthesis pair, which adds one.
class OperatorIndex {
public:
    explicit OperatorIndex(std::string_view text) : text_(text) {
        // Three scans: the range of nestings, the count per nesting, then the
        // positions, bucketed by nesting and ascending within each bucket.
        std::int64_t lowest = 0;
        std::int64_t highest = 0;
        scan([&](Class, std::int64_t nesting, std::size_t) {
            lowest = std::min(lowest, nesting);
            highest = std::max(highest, nesting);
        });
        std::size_t levels = static_cast<std::size_t>(highest - lowest) + 1;
        for (Buckets& buckets : classes_) {
            buckets.lowest = lowest;
            buckets.starts.assign(levels + 1, 0);
        }
        scan([&](Class kind, std::int64_t nesting, std::size_t) {
            ++classes_[kind].starts[static_cast<std::size_t>(nesting - lowest) + 1];
        });
        for (Buckets& buckets : classes_) {
            for (std::size_t level = 1; level <= levels; ++level) {
                buckets.starts[level] += buckets.starts[level - 1];
            }
            buckets.positions.resize(buckets.starts[levels]);
        }
        std::vector<std::size_t> fill[2] = {{classes_[0].starts.begin(), classes_[0].starts.end()},
                                            {classes_[1].starts.begin(), classes_[1].starts.end()}};
        scan([&](Class kind, std::int64_t nesting, std::size_t position) {
            std::size_t& next = fill[kind][static_cast<std::size_t>(nesting - lowest)];
            classes_[kind].positions[next++] = position;
        });
    }

    // The position within `piece` (a view into the indexed text whose start
    // has nesting `nesting`) of its last "+" or "-" at its own level, or npos.
    std::size_t last_additive(std::string_view piece, std::int64_t nesting) const {
        return last(classes_[kAdditive], piece, nesting);
    }
    std::size_t last_multiplicative(std::string_view piece, std::int64_t nesting) const {
        return last(classes_[kMultiplicative], piece, nesting);
    }

private:
    enum Class { kAdditive = 0, kMultiplicative = 1 };

    struct Buckets {
        std::int64_t lowest = 0;
        std::vector<std::size_t>
            starts;  // bucket of nesting n: [starts[n - lowest], starts[n - lowest + 1])
        std::vector<std::size_t> positions;  // ascending within each bucket
    };

    template <class Visit>
    void scan(Visit visit) const {
        std::int64_t nesting = 0;
        for (std::size_t i = 0; i < text_.size(); ++i) {
            switch (text_[i]) {
                case '(':
                    ++nesting;
                    break;
                case ')':
                    --nesting;
                    break;
                case '+':
                case '-':
                    visit(kAdditive, nesting, i);
                    break;
                case '*':
                case '/':
                    visit(kMultiplicative, nesting, i);
                    break;
                default:
                    break;
            }
        }
    }

    std::size_t last(const Buckets& buckets, std::string_view piece, std::int64_t nesting) const {
        std::int64_t level = nesting - buckets.lowest;
        if (level < 0 || static_cast<std::size_t>(level) + 1 >= buckets.starts.size()) {
            return std::string_view::npos;
        }
        auto first = buckets.positions.begin() +
                     static_cast<std::ptrdiff_t>(buckets.starts[static_cast<std::size_t>(level)]);
        auto last =
            buckets.positions.begin() +
            static_cast<std::ptrdiff_t>(buckets.starts[static_cast<std::size_t>(level) + 1]);
        std::size_t begin = static_cast<std::size_t>(piece.data() - text_.data());
        std::size_t end = begin + piece.size();
        auto after = std::lower_bound(first, last, end);
        if (after == first || *(after - 1) < begin) {
            return std::string_view::npos;
        }
        return *(after - 1) - begin;
    }

    std::string_view text_;
    Buckets classes_[2];
};

// Builds the tree bottom-up into `nodes`. Recursion follows the nesting of the
// text, and every operator split or parenthesis pair costs one level of
// `depth`, so it stops at kMaxExpressionDepth whatever the input. Each level
// costs a binary search plus the trimming of its piece; literals are read once.
class CalcParser {
public:
    CalcParser(std::string_view text, std::vector<ExpressionNode>& nodes)
        : operators_(text), nodes_(nodes) {}

    // `s` is a trimmed view into the text given to the constructor, starting
    // at absolute nesting `nesting`.
    Result<ExpressionNodeId> parse(std::string_view s, int depth, std::int64_t nesting) {
        for (;;) {
            if (depth > kMaxExpressionDepth) {
                return ConversionError::parse("Expression nested too deeply");
            }
            if (std::size_t p = operators_.last_additive(s, nesting); p != std::string_view::npos) {
                return binary(s, p, depth, nesting,
                              s[p] == '+' ? ExpressionKind::Add : ExpressionKind::Sub);
            }
            if (std::size_t p = operators_.last_multiplicative(s, nesting);
                p != std::string_view::npos) {
                return scaled(s, p, depth, nesting);
            }
            if (s.size() > 1 && s.front() == '(' && s.back() == ')') {
                s = trim_white_space(s.substr(1, s.size() - 2));
                ++depth;
                ++nesting;
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

    // Both operands start at the nesting of `s`: the operator sits at it.
    Result<ExpressionNodeId> binary(std::string_view s, std::size_t p, int depth,
                                    std::int64_t nesting, ExpressionKind kind) {
        Result<ExpressionNodeId> left = parse(trim_white_space(s.substr(0, p)), depth + 1, nesting);
        if (!left) {
            return std::move(left).error();
        }
        Result<ExpressionNodeId> right =
            parse(trim_white_space(s.substr(p + 1)), depth + 1, nesting);
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
    Result<ExpressionNodeId> scaled(std::string_view s, std::size_t p, int depth,
                                    std::int64_t nesting) {
        Result<ExpressionNodeId> left = parse(trim_white_space(s.substr(0, p)), depth + 1, nesting);
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

    OperatorIndex operators_;
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
    std::string_view trimmed = trim_white_space(text);
    Expression expression;
    Result<ExpressionNodeId> root = CalcParser(trimmed, expression.nodes).parse(trimmed, 0, 0);
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
