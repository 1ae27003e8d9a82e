#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

#include "fo/element_attributes.h"
#include "fo/fo_element.h"

namespace lorp {

class PropertyList;

namespace element_detail {

// The position of T among the alternatives of ElementAttributes.
template <class T, class Variant>
struct AttributeIndex;
template <class T, class... Records>
struct AttributeIndex<T, std::variant<Records...>> {
    static constexpr std::uint8_t value = [] {
        constexpr bool matches[] = {std::is_same_v<T, Records>...};
        std::uint8_t index = 0;
        while (index < sizeof...(Records) && !matches[index]) {
            ++index;
        }
        return index;
    }();
    static_assert(value < sizeof...(Records), "not an element attribute record");
};

// The out-of-line part of an element that has typed attributes: its list
// and the record, allocated at the record's own size.
struct Extras {
    PropertyList* properties;
    std::uint8_t type;  // index of the record type in ElementAttributes
};
template <class T>
struct TypedExtras : Extras {
    TypedExtras(PropertyList* list, T held)
        : Extras{list, AttributeIndex<T, ElementAttributes>::value}, record(std::move(held)) {}
    T record;
};

}  // namespace element_detail

// An XSL-FO element node: its kind, its element-specific attributes and, for
// the kinds that keep one, its PropertyList. It fits in 16 bytes: one pointer,
// either to the list (owned by the tree) or, for the few elements with typed
// attributes, to an owned record that holds the attributes and the list.
class FoElementData {
public:
    explicit FoElementData(FoElement kind, PropertyList* properties = nullptr)
        : target_(properties), kind_(kind) {}

    // An element with a typed attribute record of type T.
    template <class T>
    static FoElementData with_attributes(FoElement kind, T record, PropertyList* properties) {
        FoElementData data(kind);
        data.target_ = new element_detail::TypedExtras<T>(properties, std::move(record));
        data.has_extras_ = true;
        return data;
    }

    FoElementData(FoElementData&& other) noexcept
        : target_(std::exchange(other.target_, nullptr)),
          id_(other.id_),
          kind_(other.kind_),
          has_extras_(std::exchange(other.has_extras_, false)) {}
    FoElementData& operator=(FoElementData&& other) noexcept {
        if (this != &other) {
            release();
            target_ = std::exchange(other.target_, nullptr);
            id_ = other.id_;
            kind_ = other.kind_;
            has_extras_ = std::exchange(other.has_extras_, false);
        }
        return *this;
    }
    FoElementData(const FoElementData&) = delete;
    FoElementData& operator=(const FoElementData&) = delete;
    ~FoElementData() { release(); }

    FoElement kind() const { return kind_; }

    // The element-specific attributes as T, or null when this kind has no
    // attributes of that record type.
    template <class T>
    const T* attributes() const {
        const auto* extras = typed<T>();
        return extras ? &extras->record : nullptr;
    }
    template <class T>
    T* mutable_attributes() {
        auto* extras = const_cast<element_detail::TypedExtras<T>*>(typed<T>());
        return extras ? &extras->record : nullptr;
    }

    // Null for the kinds that keep no PropertyList.
    const PropertyList* properties() const {
        return has_extras_ ? static_cast<const element_detail::Extras*>(target_)->properties
                           : static_cast<const PropertyList*>(target_);
    }

private:
    friend class FoTree;
    static constexpr std::uint32_t kNoId = std::numeric_limits<std::uint32_t>::max();

    template <class T>
    const element_detail::TypedExtras<T>* typed() const {
        if (!has_extras_) {
            return nullptr;
        }
        const auto* extras = static_cast<const element_detail::Extras*>(target_);
        if (extras->type != element_detail::AttributeIndex<T, ElementAttributes>::value) {
            return nullptr;
        }
        return static_cast<const element_detail::TypedExtras<T>*>(extras);
    }
    void release() noexcept;

    void* target_;  // PropertyList* (not owned) or, with extras, an owned Extras*
    // Only elements carry ids, so the node's id lives here, in what would
    // otherwise be padding: an index into the tree's id texts.
    std::uint32_t id_ = kNoId;
    FoElement kind_;
    bool has_extras_ = false;
};

// A retained run of character data. The text lives in the tree's text store.
struct TextNode {
    std::string_view text;
};

// What a node is: an element with its payload, or a text node.
using FoNodeData = std::variant<FoElementData, TextNode>;

}  // namespace lorp
