#include "fo/builder.h"

namespace lorp {

Result<FoTree> build_fo_tree(std::string_view document) {
    (void)document;
    return FoTree{};
}

}  // namespace lorp
