#include "properties/property_store.h"

#include <algorithm>
#include <functional>
#include <string_view>

namespace lorp {

namespace {

std::uint64_t mix(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
    return h;
}

std::uint64_t text_hash(const std::string& text) {
    return std::hash<std::string_view>{}(text);
}

// Hash and equality for sharing runs. Strings and lists of tokens compare by
// content; other boxed payloads only when they are the same box, so runs
// holding distinct gradients or expressions are simply never shared and can
// never pile up in one hash bucket. Sharing is only ever decided between
// values that are equal.
std::uint64_t item_hash(const PropertyValue& value) {
    const std::uint64_t kind = static_cast<std::uint64_t>(value.kind());
    if (const std::string* text = value.string()) {
        return mix(kind, text_hash(*text));
    }
    return mix(kind, value.payload_bits());
}

bool same_item(const PropertyValue& a, const PropertyValue& b) {
    if (a.shares_payload_with(b)) {
        return true;
    }
    if (a.kind() != b.kind()) {
        return false;
    }
    const std::string* text = a.string();
    return text != nullptr && *text == *b.string();
}

std::uint64_t value_hash(const PropertyValue& value) {
    if (const std::vector<PropertyValue>* items = value.list()) {
        std::uint64_t h = mix(static_cast<std::uint64_t>(ValueKind::List), items->size());
        for (const PropertyValue& item : *items) {
            h = mix(h, item_hash(item));
        }
        return h;
    }
    return item_hash(value);
}

bool same_value(const PropertyValue& a, const PropertyValue& b) {
    const std::vector<PropertyValue>* left = a.list();
    const std::vector<PropertyValue>* right = b.list();
    if (left == nullptr || right == nullptr || left == right) {
        return same_item(a, b);
    }
    return std::equal(left->begin(), left->end(), right->begin(), right->end(), same_item);
}

std::uint32_t run_hash(std::span<const PropertySlot> run) {
    std::uint64_t h = run.size();
    for (const PropertySlot& slot : run) {
        h = mix(h, static_cast<std::uint64_t>(slot.id));
        h = mix(h, value_hash(slot.value));
    }
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

bool same_run(std::span<const PropertySlot> a, std::span<const PropertySlot> b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const PropertySlot& x, const PropertySlot& y) {
                          return x.id == y.id && same_value(x.value, y.value);
                      });
}

}  // namespace

PropertyStore::~PropertyStore() = default;

PropertyList& PropertyStore::new_list(const PropertyList* parent) {
    seal();
    if (lists_ == nullptr) {
        lists_ = std::make_unique<std::deque<PropertyList>>();
    }
    return lists_->emplace_back(parent, *this);
}

void PropertyStore::discard_last(const PropertyList& list) {
    if (lists_ == nullptr || lists_->empty() || &lists_->back() != &list) {
        return;
    }
    if (open_ == &list) {
        drop_open_run();
        open_ = nullptr;
    }
    // The next list may be made at the same address: it must not find
    // answers remembered for this one.
    if (!sources_.empty()) {
        for (std::uint16_t id = 1; id <= kPropertyCount; ++id) {
            sources_.erase(&list, id);
        }
    }
    font_sizes_.erase(&list, 0);
    lists_->pop_back();
}

std::uint32_t PropertyStore::end_index() const {
    if (blocks_.empty()) {
        return 0;
    }
    return static_cast<std::uint32_t>(((blocks_.size() - 1) << kBlockBits) + blocks_.back().size());
}

void PropertyStore::drop_open_run() {
    std::vector<PropertySlot>& block = blocks_.back();
    block.erase(block.end() - open_->count_, block.end());
}

std::vector<PropertySlot>& PropertyStore::add_block(std::size_t needed) {
    // Small at first, so that a list made on its own stays small; a tree's
    // store soon reaches full blocks.
    std::size_t capacity = kFirstBlockSlots;
    if (!blocks_.empty()) {
        capacity = std::min(kBlockSlots, 2 * blocks_.back().capacity());
    }
    std::vector<PropertySlot>& block = blocks_.emplace_back();
    block.reserve(std::max(capacity, needed));
    return block;
}

void PropertyStore::open(PropertyList& list) {
    seal();
    // Room for the current slots and one more, in one block.
    const std::size_t needed = std::size_t{list.count_} + 1;
    if (blocks_.empty() || blocks_.back().size() + needed > blocks_.back().capacity()) {
        add_block(needed);
    }
    // Blocks never reallocate, so the old run stays readable while it is copied.
    const std::span<const PropertySlot> current = run(list.begin_, list.count_);
    std::vector<PropertySlot>& block = blocks_.back();
    block.insert(block.end(), current.begin(), current.end());
    list.begin_ = end_index() - list.count_;
    open_ = &list;
}

void PropertyStore::set(PropertyList& list, PropertyId id, PropertyValue value) {
    if (open_ != &list) {
        open(list);
    }
    const auto key = static_cast<std::uint16_t>(id);
    ever_held_[key / 64] |= std::uint64_t{1} << (key % 64);
    sources_.erase(&list, key);
    if (id == PropertyId::FontSize) {
        font_sizes_.erase(&list, 0);
    }

    std::vector<PropertySlot>* block = &blocks_.back();
    auto first = block->end() - list.count_;
    auto at = std::lower_bound(first, block->end(), id,
                               [](const PropertySlot& slot, PropertyId k) { return slot.id < k; });
    if (at != block->end() && at->id == id) {
        at->value = std::move(value);
        return;
    }
    if (block->size() == block->capacity()) {
        // The open run moves to a fresh block, so that it stays in one piece.
        const auto offset = at - first;
        std::vector<PropertySlot>& fresh = add_block(std::size_t{list.count_} + 1);
        block = &blocks_[blocks_.size() - 2];
        first = block->end() - list.count_;
        fresh.insert(fresh.end(), std::make_move_iterator(first),
                     std::make_move_iterator(block->end()));
        block->erase(first, block->end());
        block = &fresh;
        at = block->begin() + offset;
        list.begin_ = end_index() - list.count_;
    }
    block->insert(at, PropertySlot{id, std::move(value)});
    ++list.count_;
}

void PropertyStore::seal() {
    PropertyList* list = open_;
    if (list == nullptr) {
        return;
    }
    open_ = nullptr;
    if (list->count_ == 0) {
        return;
    }
    const std::uint32_t hash = run_hash(run(list->begin_, list->count_));
    if (share_existing(*list, hash)) {
        return;
    }
    intern_strings(list->begin_, list->count_);
    keep(*list, hash);
}

bool PropertyStore::share_existing(PropertyList& list, std::uint32_t hash) {
    if (runs_.empty()) {
        return false;
    }
    const std::span<const PropertySlot> fresh = run(list.begin_, list.count_);
    const std::size_t mask = runs_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const RunEntry& entry = runs_[at];
        if (entry.count == 0) {
            return false;
        }
        if (entry.hash == hash && entry.count == list.count_ &&
            same_run(run(entry.begin, entry.count), fresh)) {
            std::vector<PropertySlot>& block = blocks_.back();
            block.erase(block.end() - list.count_, block.end());
            list.begin_ = entry.begin;
            return true;
        }
    }
}

void PropertyStore::keep(const PropertyList& list, std::uint32_t hash) {
    if ((run_count_ + 1) * 2 > runs_.size()) {
        grow_runs();
    }
    const std::size_t mask = runs_.size() - 1;
    std::size_t at = hash & mask;
    while (runs_[at].count != 0) {
        at = (at + 1) & mask;
    }
    runs_[at] = RunEntry{hash, list.begin_, list.count_};
    ++run_count_;
}

void PropertyStore::grow_runs() {
    std::vector<RunEntry> old;
    old.swap(runs_);
    runs_.resize(old.empty() ? 64 : old.size() * 2);
    const std::size_t mask = runs_.size() - 1;
    for (const RunEntry& entry : old) {
        if (entry.count != 0) {
            std::size_t at = entry.hash & mask;
            while (runs_[at].count != 0) {
                at = (at + 1) & mask;
            }
            runs_[at] = entry;
        }
    }
}

void PropertyStore::intern_strings(std::uint32_t begin, std::uint16_t count) {
    std::vector<PropertySlot>& block = blocks_[begin >> kBlockBits];
    const std::size_t first = begin & (kBlockSlots - 1);
    for (std::size_t i = first; i < first + count; ++i) {
        PropertyValue& value = block[i].value;
        const std::string* text = value.string();
        if (text == nullptr) {
            continue;
        }
        if ((string_count_ + 1) * 2 > strings_.size()) {
            std::vector<PropertyValue> old;
            old.swap(strings_);
            strings_.resize(old.empty() ? 64 : old.size() * 2);
            for (PropertyValue& held : old) {
                if (const std::string* held_text = held.string()) {
                    std::size_t at = text_hash(*held_text) & (strings_.size() - 1);
                    while (!strings_[at].is_auto()) {
                        at = (at + 1) & (strings_.size() - 1);
                    }
                    strings_[at] = std::move(held);
                }
            }
        }
        const std::size_t mask = strings_.size() - 1;
        std::size_t at = text_hash(*text) & mask;
        for (;; at = (at + 1) & mask) {
            PropertyValue& held = strings_[at];
            if (held.is_auto()) {
                held = value;
                ++string_count_;
                break;
            }
            if (*held.string() == *text) {
                value = held;
                break;
            }
        }
    }
}

}  // namespace lorp
