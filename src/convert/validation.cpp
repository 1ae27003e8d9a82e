#include "convert/validation.h"

#include "fo/builder.h"

namespace lorp {

ValidationResult validate(std::string_view fo_xml) {
    const Result<FoTree> tree = build_fo_tree(fo_xml);
    if (!tree.ok()) {
        return ValidationResult{false, 0, display(tree.error())};
    }
    return ValidationResult{true, tree->node_count(), std::nullopt};
}

}  // namespace lorp
