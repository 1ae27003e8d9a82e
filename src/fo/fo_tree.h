#pragma once

#include <cstddef>
#include <vector>

namespace lorp {

// Index of a node in its FoTree, given in creation (document) order from 0.
using NodeId = std::size_t;

// The formatting-object tree: an append-only arena of nodes addressed by id.
class FoTree {
public:
    std::size_t node_count() const { return count_; }

private:
    std::size_t count_ = 0;
};

}  // namespace lorp
