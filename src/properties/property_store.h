#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <vector>

#include "properties/list_keyed_map.h"
#include "properties/property_list.h"

namespace lorp {

// Storage for the property lists of one tree: the lists themselves, their
// slots, and the answers that lookups remember.
//
// The slots of a list form one sorted run inside large blocks. While a list
// is filled its run is open at the end of the newest block, so set() appends
// or inserts in place. When the next list is made, the finished run is
// sealed: if an earlier list holds exactly the same slots (documents repeat
// their attribute sets all the time), the list shares that run and the copy
// is dropped, and strings in a kept run share one copy per text. A list that
// is changed after sealing gets a fresh run at the end, so shared runs never
// change.
class PropertyStore {
public:
    PropertyStore() = default;
    PropertyStore(const PropertyStore&) = delete;
    PropertyStore& operator=(const PropertyStore&) = delete;
    ~PropertyStore();

    // A new, empty list owned by the store. Lists never move.
    PropertyList& new_list(const PropertyList* parent);
    // Gives back the most recently made list while no other has been made
    // since; otherwise does nothing.
    void discard_last(const PropertyList& list);
    std::size_t list_count() const { return lists_ ? lists_->size() : 0; }

    // Whether any list of the store was ever given a value for id. Documents
    // set a small part of the catalogue, and lookups of the rest need not
    // search any list.
    bool ever_held(PropertyId id) const {
        const auto raw = static_cast<std::uint16_t>(id);
        return ((ever_held_[raw / 64] >> (raw % 64)) & 1u) != 0;
    }

    // Seals the open run, so that its slots are shared when possible.
    void seal();

private:
    friend class PropertyList;

    // Runs never cross a block; a run holds at most one slot per property.
    static constexpr std::size_t kBlockBits = 12;
    static constexpr std::size_t kBlockSlots = std::size_t{1} << kBlockBits;
    static constexpr std::size_t kFirstBlockSlots = 8;
    static_assert(kBlockSlots > kPropertyCount);

    struct RunEntry {
        std::uint32_t hash = 0;
        std::uint32_t begin = 0;
        std::uint16_t count = 0;  // zero marks a free entry
    };

    struct FontSizeAnswer {
        bool known = false;
        Length size;
    };

    std::span<const PropertySlot> run(std::uint32_t begin, std::uint16_t count) const {
        if (count == 0) {
            return {};
        }
        return {&blocks_[begin >> kBlockBits][begin & (kBlockSlots - 1)], count};
    }
    std::uint32_t end_index() const;
    // Makes `list` the open list, with its current slots copied to the end.
    void open(PropertyList& list);
    // A new newest block with room for at least `needed` slots.
    std::vector<PropertySlot>& add_block(std::size_t needed);
    void set(PropertyList& list, PropertyId id, PropertyValue value);
    void drop_open_run();
    bool share_existing(PropertyList& list, std::uint32_t hash);
    void keep(const PropertyList& list, std::uint32_t hash);
    void intern_strings(std::uint32_t begin, std::uint16_t count);
    void grow_runs();

    std::unique_ptr<std::deque<PropertyList>> lists_;  // made with the first list
    // Each block is reserved once and never reallocates; none holds more than
    // kBlockSlots, so a slot's index is its block number and offset.
    std::vector<std::vector<PropertySlot>> blocks_;
    PropertyList* open_ = nullptr;  // its run ends the newest block
    std::vector<RunEntry> runs_;    // sealed runs by content; size zero or a power of two
    std::size_t run_count_ = 0;
    std::vector<PropertyValue> strings_;  // one String per text, open addressing
    std::size_t string_count_ = 0;

    std::array<std::uint64_t, kPropertyCount / 64 + 1> ever_held_{};  // bit per raw id
    ListKeyedMap<const PropertyList*> sources_;  // (list, id) -> list holding the answer
    ListKeyedMap<FontSizeAnswer> font_sizes_;    // (list, 0) -> resolved font size
};

}  // namespace lorp
