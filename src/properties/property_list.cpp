#include "properties/property_list.h"

#include <algorithm>
#include <string>

#include "properties/initial_value.h"
#include "properties/property_catalogue.h"
#include "types/number_text.h"

namespace lorp {

namespace {

template <class Entries>
auto find_by_id(Entries& entries, PropertyId id) {
    return std::lower_bound(entries.begin(), entries.end(), id,
                            [](const auto& entry, PropertyId key) { return entry.id < key; });
}

// Whether a list with this own value (or none) takes the answer from its parent.
bool defers_to_parent(const PropertyValue* own, PropertyId id) {
    return own ? own->is_inherit() : is_inherited(id);
}

const PropertyValue& auto_value() {
    static const PropertyValue value = PropertyValue::auto_value();
    return value;
}

}  // namespace

void PropertyList::set(PropertyId id, PropertyValue value) {
    if (!is_catalogued(id)) {
        return;
    }
    auto at = find_by_id(slots_, id);
    if (at != slots_.end() && at->id == id) {
        at->value = std::move(value);
    } else {
        slots_.insert(at, PropertySlot{id, std::move(value)});
    }
    forget(id);
}

const PropertyValue* PropertyList::own(PropertyId id) const {
    auto at = find_by_id(slots_, id);
    return at != slots_.end() && at->id == id ? &at->value : nullptr;
}

const PropertyList::CacheEntry* PropertyList::cached(PropertyId id) const {
    auto at = find_by_id(cache_, id);
    return at != cache_.end() && at->id == id ? &*at : nullptr;
}

void PropertyList::remember(PropertyId id, const PropertyList* source) const {
    auto at = find_by_id(cache_, id);
    if (at != cache_.end() && at->id == id) {
        at->source = source;
    } else {
        cache_.insert(at, CacheEntry{id, source});
    }
}

void PropertyList::forget(PropertyId id) {
    auto at = find_by_id(cache_, id);
    if (at != cache_.end() && at->id == id) {
        cache_.erase(at);
    }
    if (id == PropertyId::FontSize) {
        font_size_state_ = FontSizeState::Unknown;
    }
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

    if (const CacheEntry* hit = cached(id)) {
        return value_at(hit->source, id);
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
        if (const CacheEntry* hit = list->cached(id)) {
            source = hit->source;
            stop = list;
            break;
        }
    }
    // Every list below `stop` deferred to its parent: each remembers the
    // answer, so later lookups anywhere on this path take one step.
    for (const PropertyList* list = this; list != stop; list = list->parent_) {
        list->remember(id, source);
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
