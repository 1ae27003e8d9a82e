#pragma once

#include <string_view>

#include "error/result.h"
#include "fo/fo_tree.h"

namespace lorp {

// Reads a whole XSL-FO document into its tree: one node per XSL-FO element and
// per retained text run. The first failure ends the parse and no tree is returned.
Result<FoTree> build_fo_tree(std::string_view document);

}  // namespace lorp
