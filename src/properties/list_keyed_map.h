#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace lorp {

class PropertyList;

// An open-addressing map from (list, small number) to a trivially copyable
// value, for answers remembered about property lists. Empty until the first
// insert; grows by doubling, so inserts are amortised constant and lookups
// never allocate.
template <class Value>
class ListKeyedMap {
public:
    bool empty() const { return used_ == 0; }

    const Value* find(const PropertyList* list, std::uint16_t key) const {
        if (entries_.empty()) {
            return nullptr;
        }
        for (std::size_t at = slot_of(list, key);; at = (at + 1) & mask()) {
            const Entry& e = entries_[at];
            if (e.list == nullptr) {
                return nullptr;
            }
            if (e.list == list && e.key == key) {
                return &e.value;
            }
        }
    }

    void insert_or_assign(const PropertyList* list, std::uint16_t key, Value value) {
        if ((used_ + 1) * 2 > entries_.size()) {
            grow();
        }
        std::size_t at = slot_of(list, key);
        for (;; at = (at + 1) & mask()) {
            Entry& e = entries_[at];
            if (e.list == nullptr) {
                e = Entry{list, value, key};
                ++used_;
                return;
            }
            if (e.list == list && e.key == key) {
                e.value = value;
                return;
            }
        }
    }

    void erase(const PropertyList* list, std::uint16_t key) {
        if (entries_.empty()) {
            return;
        }
        std::size_t at = slot_of(list, key);
        for (;; at = (at + 1) & mask()) {
            const Entry& e = entries_[at];
            if (e.list == nullptr) {
                return;
            }
            if (e.list == list && e.key == key) {
                break;
            }
        }
        // Backward-shift deletion: pull later members of the probe run into
        // the hole, so that no tombstones are needed.
        std::size_t hole = at;
        for (std::size_t next = (hole + 1) & mask();; next = (next + 1) & mask()) {
            Entry& e = entries_[next];
            if (e.list == nullptr) {
                break;
            }
            const std::size_t home = slot_of(e.list, e.key);
            if (((next - home) & mask()) >= ((next - hole) & mask())) {
                entries_[hole] = e;
                hole = next;
            }
        }
        entries_[hole] = Entry{};
        --used_;
    }

private:
    struct Entry {
        const PropertyList* list = nullptr;  // null marks a free entry
        Value value{};
        std::uint16_t key = 0;
    };

    std::size_t mask() const { return entries_.size() - 1; }

    std::size_t slot_of(const PropertyList* list, std::uint16_t key) const {
        // Every bit of the list address and of the key reaches the low bits
        // the mask keeps, so the ids of one list spread over the table.
        std::uint64_t h = reinterpret_cast<std::uintptr_t>(list) ^
                          (std::uint64_t{key} * 0x9E3779B97F4A7C15ull);
        h ^= h >> 31;
        h *= 0xBF58476D1CE4E5B9ull;
        h ^= h >> 29;
        return static_cast<std::size_t>(h) & mask();
    }

    void grow() {
        std::vector<Entry> old;
        old.swap(entries_);
        entries_.resize(old.empty() ? 4 : old.size() * 2);
        used_ = 0;
        for (const Entry& e : old) {
            if (e.list != nullptr) {
                insert_or_assign(e.list, e.key, e.value);
            }
        }
    }

    std::vector<Entry> entries_;  // size zero or a power of two
    std::size_t used_ = 0;
};

}  // namespace lorp
