#pragma once

#include <memory>
#include <string_view>
#include <variant>

#include "fo/element_attributes.h"
#include "fo/element_properties.h"
#include "fo/fo_element.h"

namespace lorp {

// An XSL-FO element node: its kind, its element-specific attributes and, for
// the kinds that keep one, its PropertyList. Both are held out of line so a
// node stays small whatever its kind.
class FoElementData {
public:
    explicit FoElementData(FoElement kind);
    FoElementData(FoElement kind, std::unique_ptr<ElementAttributes> attributes,
                  PropertyListPtr properties);
    FoElementData(FoElementData&&) noexcept;
    FoElementData& operator=(FoElementData&&) noexcept;
    ~FoElementData();

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
    const PropertyList* properties() const { return properties_.get(); }
    PropertyList* mutable_properties() { return properties_.get(); }

private:
    FoElement kind_;
    std::unique_ptr<ElementAttributes> attributes_;
    PropertyListPtr properties_;
};

// A retained run of character data. The text lives in the tree's text store.
struct TextNode {
    std::string_view text;
};

// What a node is: an element with its payload, or a text node.
using FoNodeData = std::variant<FoElementData, TextNode>;

}  // namespace lorp
