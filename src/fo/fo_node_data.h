#pragma once

#include <cstdint>
#include <limits>
#include <memory>
#include <string_view>
#include <variant>

#include "fo/element_attributes.h"
#include "fo/fo_element.h"

namespace lorp {

class PropertyList;

// An XSL-FO element node: its kind, its element-specific attributes and, for
// the kinds that keep one, its PropertyList. The attributes are held out of
// line and the list is owned by the tree, so a node stays small whatever its
// kind.
class FoElementData {
public:
    explicit FoElementData(FoElement kind, std::unique_ptr<ElementAttributes> attributes = nullptr,
                           PropertyList* properties = nullptr)
        : attributes_(std::move(attributes)), properties_(properties), kind_(kind) {}

    FoElement kind() const { return kind_; }

    // The element-specific attributes as T, or null when this kind has no
    // attributes of that record type.
    template <class T>
    const T* attributes() const {
        return attributes_ ? std::get_if<T>(attributes_.get()) : nullptr;
    }
    template <class T>
    T* mutable_attributes() {
        return attributes_ ? std::get_if<T>(attributes_.get()) : nullptr;
    }

    // Null for the kinds that keep no PropertyList.
    const PropertyList* properties() const { return properties_; }

private:
    friend class FoTree;
    static constexpr std::uint32_t kNoId = std::numeric_limits<std::uint32_t>::max();

    std::unique_ptr<ElementAttributes> attributes_;
    PropertyList* properties_;  // owned by the tree
    // Only elements carry ids, so the node's id lives here, in what would
    // otherwise be padding: an index into the tree's id texts.
    std::uint32_t id_ = kNoId;
    FoElement kind_;
};

// A retained run of character data. The text lives in the tree's text store.
struct TextNode {
    std::string_view text;
};

// What a node is: an element with its payload, or a text node.
using FoNodeData = std::variant<FoElementData, TextNode>;

}  // namespace lorp
