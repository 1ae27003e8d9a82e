#pragma once

#include <optional>

#include "fo/fo_tree.h"
#include "properties/property_list.h"

namespace lorp {

// Small read helpers over the FO tree for the layout passes.

inline std::optional<FoElement> element_kind(const FoTree& tree, NodeId node) {
    const FoElementData* element = tree.node(node).element();
    return element != nullptr ? std::optional<FoElement>(element->kind()) : std::nullopt;
}

inline bool is_element(const FoTree& tree, NodeId node, FoElement kind) {
    const FoElementData* element = tree.node(node).element();
    return element != nullptr && element->kind() == kind;
}

// The node's PropertyList, or null for text nodes and kinds that keep none.
inline const PropertyList* properties_of(const FoTree& tree, NodeId node) {
    const FoElementData* element = tree.node(node).element();
    return element != nullptr ? element->properties() : nullptr;
}

template <class T>
const T* attributes_of(const FoTree& tree, NodeId node) {
    const FoElementData* element = tree.node(node).element();
    return element != nullptr ? element->attributes<T>() : nullptr;
}

inline bool is_block_level(const FoTree& tree, NodeId node) {
    const std::optional<FoElement> kind = element_kind(tree, node);
    return kind == FoElement::Block || kind == FoElement::BlockContainer;
}

}  // namespace lorp
