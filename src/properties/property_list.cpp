#include "properties/property_list.h"

#include <algorithm>
#include <string>

#include "properties/initial_value.h"
#include "properties/property_catalogue.h"
#include "properties/property_store.h"
#include "types/number_text.h"

namespace lorp {

namespace {

// Whether a list with this own value (or none) takes the answer from its parent.
bool defers_to_parent(const PropertyValue* own, PropertyId id) {
    return own ? own->is_inherit() : is_inherited(id);
}

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
    const std::span<const PropertySlot> run = slots();
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
    const PropertyValue* own_value = own(id);
    if (!defers_to_parent(own_value, id)) {
        return own_value ? *own_value : initial_value(id);
    }

    if (const PropertyList* const* hit = cached(id)) {
        return value_at(*hit, id);
    }
    // Walk up, without recursion, to the first list that answers by itself or
    // already knows the answer. `stop` is that list (null when the walk runs
    // past the root); `source` holds the answer (null for the initial value).
    const PropertyList* source = nullptr;
    const PropertyList* stop = nullptr;
    for (const PropertyList* list = parent_; list; list = list->parent_) {
        const PropertyValue* held = list->own(id);
        if (!defers_to_parent(held, id)) {
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
    // answer, so later lookups anywhere on this path take one step.
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
