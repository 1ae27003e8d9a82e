#include "properties/property_list.h"

#include <algorithm>
#include <array>
#include <string>

#include "properties/initial_value.h"
#include "properties/property_catalogue.h"
#include "properties/property_store.h"
#include "types/number_text.h"

namespace lorp {

namespace {

// Which properties an unset list takes from its parent, indexed by raw id, so
// that the lookups of a walk read one byte each.
const std::array<bool, kPropertyCount + 1>& inherited_table() {
    static const std::array<bool, kPropertyCount + 1> table = [] {
        std::array<bool, kPropertyCount + 1> flags{};
        for (std::uint16_t raw = 1; raw <= kPropertyCount; ++raw) {
            flags[raw] = is_inherited(static_cast<PropertyId>(raw));
        }
        return flags;
    }();
    return table;
}

// Whether a list with this own value (or none) takes the answer from its
// parent; `inherited` tells whether the property is inherited.
bool defers_to_parent(const PropertyValue* own, bool inherited) {
    return own ? own->is_inherit() : inherited;
}

// Runs up to this many slots are searched front to back, longer ones by
// halving.
constexpr std::size_t kLinearSearchSlots = 16;

const PropertyValue& auto_value() {
    static const PropertyValue value = PropertyValue::auto_value();
    return value;
}

}  // namespace

PropertyList::~PropertyList() {
    if (owns_store_) {
        delete store_;
    }
}

PropertyStore& PropertyList::store() const {
    if (store_ == nullptr) {
        store_ = new PropertyStore();
        owns_store_ = true;
    }
    return *store_;
}

void PropertyList::set(PropertyId id, PropertyValue value) {
    if (!is_catalogued(id)) {
        return;
    }
    store().set(*this, id, std::move(value));
}

std::span<const PropertySlot> PropertyList::slots() const {
    return store_ != nullptr ? store_->run(begin_, count_) : std::span<const PropertySlot>();
}

const PropertyValue* PropertyList::own(PropertyId id) const {
    if (count_ == 0) {
        return nullptr;
    }
    const std::span<const PropertySlot> run = slots();
    if (run.size() <= kLinearSearchSlots) {
        for (const PropertySlot& slot : run) {
            if (slot.id >= id) {
                return slot.id == id ? &slot.value : nullptr;
            }
        }
        return nullptr;
    }
    auto at =
        std::lower_bound(run.begin(), run.end(), id,
                         [](const PropertySlot& slot, PropertyId key) { return slot.id < key; });
    return at != run.end() && at->id == id ? &at->value : nullptr;
}

const PropertyList* const* PropertyList::cached(PropertyId id) const {
    return store_ != nullptr ? store_->sources_.find(this, static_cast<std::uint16_t>(id))
                             : nullptr;
}

const PropertyValue& PropertyList::value_at(const PropertyList* source, PropertyId id) const {
    if (source) {
        if (const PropertyValue* held = source->own(id)) {
            return *held;
        }
    }
    return initial_value(id);
}

const PropertyValue& PropertyList::value(PropertyId id) const {
    if (!is_catalogued(id)) {
        return auto_value();
    }
    if (store_chain_ && !store_->ever_held(id)) {
        return initial_value(id);
    }
    const bool inherited = inherited_table()[static_cast<std::uint16_t>(id)];
    const PropertyValue* own_value = own(id);
    if (!defers_to_parent(own_value, inherited)) {
        return own_value ? *own_value : initial_value(id);
    }

    // Most answers sit a few lists up: look there first, reading only the
    // lists' own values, so typical documents never touch the answer cache.
    const PropertyList* list = parent_;
    for (int step = 0; step < kDirectSteps && list; ++step, list = list->parent_) {
        const PropertyValue* held = list->own(id);
        if (!defers_to_parent(held, inherited)) {
            return held ? *held : initial_value(id);
        }
    }
    if (!list) {
        return initial_value(id);
    }
    return remembered_value(id);
}

const PropertyValue& PropertyList::remembered_value(PropertyId id) const {
    if (const PropertyList* const* hit = cached(id)) {
        return value_at(*hit, id);
    }
    // Walk up, without recursion, to the first list that answers by itself or
    // already knows the answer. `stop` is that list (null when the walk runs
    // past the root); `source` holds the answer (null for the initial value).
    const PropertyList* source = nullptr;
    const PropertyList* stop = nullptr;
    const bool inherited = inherited_table()[static_cast<std::uint16_t>(id)];
    for (const PropertyList* list = parent_; list; list = list->parent_) {
        const PropertyValue* held = list->own(id);
        if (!defers_to_parent(held, inherited)) {
            source = held ? list : nullptr;
            stop = list;
            break;
        }
        if (const PropertyList* const* hit = list->cached(id)) {
            source = *hit;
            stop = list;
            break;
        }
    }
    // Every list below `stop` deferred to its parent: each remembers the
    // answer, so later lookups anywhere on this path take a bounded number
    // of steps.
    for (const PropertyList* list = this; list != stop; list = list->parent_) {
        list->store().sources_.insert_or_assign(list, static_cast<std::uint16_t>(id), source);
    }
    return value_at(source, id);
}

Result<PropertyValue> PropertyList::get(PropertyId id) const {
    if (!is_catalogued(id)) {
        std::string name;
        append_integer(name, static_cast<std::uint16_t>(id));
        return ConversionError::unknown_property(std::move(name));
    }
    return value(id);
}

}  // namespace lorp
