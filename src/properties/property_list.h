#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "error/result.h"
#include "properties/property_id.h"
#include "properties/property_value.h"
#include "types/length.h"

namespace lorp {

// One explicitly set property of an element.
struct PropertySlot {
    PropertyId id;
    PropertyValue value;
};

class PropertyList;
class PropertyStore;

// Lists with equal keys resolve every property to the same value: they have
// the same parent and share one run of own values (the store keeps one copy
// of identical runs).
struct PropertyValuesKey {
    const PropertyList* parent = nullptr;
    const PropertyStore* store = nullptr;
    std::uint32_t begin = 0;
    std::uint32_t count = 0;
    friend bool operator==(const PropertyValuesKey&, const PropertyValuesKey&) = default;
};

// The properties of one element node: the values set on it, a link to the
// parent element's list, and the lookup answers it remembers.
//
// Storage is sparse: only set properties take room, kept sorted by id. The
// lists of a tree live in its PropertyStore, which also holds their slots
// (lists with the same slots share them) and the remembered answers, so a
// list that nobody reads costs 24 bytes. A list made on its own keeps a store
// of its own. A list does not own its parent; whoever owns the lists keeps
// every ancestor alive and in place for as long as lookups happen, which is
// why a list can be neither copied nor moved.
//
// Life cycle: all set() calls on a list and on its ancestors come before the
// first lookup on it or on its descendants; cached answers are not
// invalidated when an ancestor changes. Lookups mutate the store's cache, so
// the lists of one store must not be read from two threads at once.
class PropertyList {
public:
    explicit PropertyList(const PropertyList* parent = nullptr) : parent_(parent) {}
    // A list whose slots and answers live in `store`, which outlives it.
    PropertyList(const PropertyList* parent, PropertyStore& store)
        : parent_(parent),
          store_(&store),
          store_chain_(parent == nullptr || (parent->store_ == &store && parent->store_chain_)) {}
    PropertyList(const PropertyList&) = delete;
    PropertyList& operator=(const PropertyList&) = delete;
    ~PropertyList();

    // Null for the root and for elements whose parent keeps no list.
    const PropertyList* parent() const { return parent_; }

    // Stores the value, replacing any earlier one. Ids outside the catalogue
    // are discarded.
    void set(PropertyId id, PropertyValue value);

    // The resolved value as a copy: the value set here unless it is Inherit;
    // for Inherit (any property) or an unset inherited property, the parent's
    // resolved value, or the initial value without a parent; otherwise the
    // initial value. Fails with "Unknown property: {}" for an id outside the
    // catalogue.
    Result<PropertyValue> get(PropertyId id) const;

    // The same answer without copying. The reference stays valid until the
    // list that holds the value is changed or destroyed. Ids outside the
    // catalogue resolve to Auto.
    const PropertyValue& value(PropertyId id) const;

    // The value set on this list itself, or null when unset.
    const PropertyValue* own(PropertyId id) const;

    // The set values in ascending id order. Valid until this list is changed
    // or another list of its store is made.
    std::span<const PropertySlot> slots() const;

    // The font size in points as layout needs it: a Length is the size; an
    // absolute keyword has its fixed size; "larger" and "smaller" scale the
    // parent's size by 1.2 (truncated to whole millipoints), where the
    // parent's size follows this same rule and is 12pt when there is no
    // parent or its value is neither a length nor a keyword. A keyword is
    // inherited as a keyword, so an inherited "larger" scales again against
    // this list's parent. Any other value (a percentage, an expression)
    // yields nothing and the caller uses its own default.
    std::optional<Length> font_size() const;

    PropertyValuesKey values_key() const {
        return PropertyValuesKey{parent_, store_, count_ == 0 ? 0 : begin_, count_};
    }

private:
    friend class PropertyStore;

    // Ancestors an inherited lookup reads directly before it turns to the
    // store's remembered answers.
    static constexpr int kDirectSteps = 8;

    // The store, made on first use for a list without one.
    PropertyStore& store() const;
    // The list holding the remembered answer for id (null: the initial
    // value), or null when nothing is remembered.
    const PropertyList* const* cached(PropertyId id) const;
    const PropertyValue& value_at(const PropertyList* source, PropertyId id) const;
    // The inherited answer for a chain longer than kDirectSteps, through the
    // store's remembered answers.
    const PropertyValue& remembered_value(PropertyId id) const;
    void remember_font_size(std::optional<Length> size) const;

    const PropertyList* parent_;
    mutable PropertyStore* store_ = nullptr;
    std::uint32_t begin_ = 0;  // first slot of the run in the store
    std::uint16_t count_ = 0;
    mutable bool owns_store_ = false;
    // This list and all its ancestors keep their slots in store_, so a
    // property the store has never held resolves to its initial value.
    bool store_chain_ = false;
};

}  // namespace lorp
