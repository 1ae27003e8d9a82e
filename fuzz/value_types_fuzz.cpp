// libFuzzer target: any bytes as a property value token, fed to every value
// parser (calc(), gradients, colours, lengths, percentages) and printed back
// through their display forms. Beyond the sanitizers it checks the calc() tree
// shape: children come before their parents, the root is the last node, depth
// never passes the nesting limit and no divisor is 0.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "types/color.h"
#include "types/expression.h"
#include "types/gradient.h"
#include "types/length.h"
#include "types/percentage.h"

namespace {

void check_expression(const lorp::Expression& expression) {
    const std::vector<lorp::ExpressionNode>& nodes = expression.nodes;
    if (nodes.empty()) {
        std::abort();
    }
    std::vector<int> depth(nodes.size(), 0);
    for (std::size_t i = nodes.size(); i-- > 0;) {
        const lorp::ExpressionNode& node = nodes[i];
        auto child = [&](lorp::ExpressionNodeId id) {
            if (id >= i) {
                std::abort();
            }
            depth[id] = depth[i] + 1;
            if (depth[id] > lorp::kMaxExpressionDepth) {
                std::abort();
            }
        };
        switch (node.kind) {
            case lorp::ExpressionKind::Add:
            case lorp::ExpressionKind::Sub:
                child(node.left);
                child(node.right);
                break;
            case lorp::ExpressionKind::Mul:
                child(node.left);
                break;
            case lorp::ExpressionKind::Div:
                child(node.left);
                if (node.number == 0) {
                    std::abort();
                }
                break;
            case lorp::ExpressionKind::Literal:
            case lorp::ExpressionKind::Percentage:
                break;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view value(reinterpret_cast<const char*>(data), size);
    std::string shown;
    lorp::Result<lorp::Expression> expression = lorp::parse_calc(value);
    if (expression.ok()) {
        check_expression(*expression);
        shown += lorp::display(*expression);
    } else {
        shown += lorp::display(expression.error());
    }
    if (std::optional<lorp::Gradient> gradient = lorp::parse_gradient(value)) {
        shown += lorp::display(*gradient);
    }
    if (std::optional<lorp::Color> color = lorp::parse_color(value)) {
        shown += lorp::display(*color);
    }
    (void)lorp::parse_length_token(value);
    (void)lorp::parse_percentage(value);
    return 0;
}
