#include "layout/area/trait_interner.h"

#include <bit>
#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "layout/area/compute_traits.h"

namespace lorp {

namespace {

// Feeds every field, absent ones included, into one 64-bit mix.
class Mixer {
public:
    void add(std::uint64_t value) {
        state_ = (state_ ^ value) * 0x9E3779B97F4A7C15ULL;
        state_ ^= state_ >> 29;
    }
    void add(const SharedText& text) {
        add(text.has_value());
        if (text) {
            add(std::hash<std::string_view>{}(*text));
        }
    }
    template <typename T>
    void add(const std::optional<T>& value) {
        add(value.has_value());
        if (value) {
            add_value(*value);
        }
    }
    std::size_t result() const { return static_cast<std::size_t>(state_); }

private:
    void add_value(double value) { add(std::bit_cast<std::uint64_t>(value)); }
    void add_value(std::int32_t value) { add(static_cast<std::uint32_t>(value)); }
    void add_value(std::uint16_t value) { add(value); }
    void add_value(FontStyle value) { add(static_cast<std::uint64_t>(value)); }
    void add_value(Color value) {
        add(std::uint64_t{value.red} << 24 | std::uint64_t{value.green} << 16 |
            std::uint64_t{value.blue} << 8 | value.alpha);
    }
    void add_value(const TextDecoration& value) {
        add(std::uint64_t{value.underline} | std::uint64_t{value.overline} << 1 |
            std::uint64_t{value.line_through} << 2);
    }
    template <typename T, std::size_t N>
    void add_value(const std::array<T, N>& values) {
        for (const T& value : values) {
            add_value(value);
        }
    }
    void add_value(BorderStyle value) { add(static_cast<std::uint64_t>(value)); }

    std::uint64_t state_ = 0x243F6A8885A308D3ULL;
};

}  // namespace

std::uint64_t TraitInterner::hash(const TraitRecord& r) {
    Mixer m;
    m.add(r.opacity);
    m.add(r.font_family);
    m.add(r.link_destination);
    m.add(r.leader_pattern);
    m.add(r.rule_style);
    m.add(r.font_size);
    m.add(r.rule_thickness);
    m.add(r.letter_spacing);
    m.add(r.word_spacing);
    m.add(r.border_widths);
    m.add(r.border_radii);
    m.add(r.font_weight);
    m.add(r.font_style);
    m.add(r.border_styles);
    m.add(r.color);
    m.add(r.background_color);
    m.add(r.border_colors);
    m.add(r.text_decoration);
    m.add(static_cast<std::uint64_t>(r.overflow));
    return m.result();
}

SharedTraits TraitInterner::computed(const PropertyList& properties) {
    const PropertyValuesKey key = properties.values_key();
    Mixer m;
    m.add(reinterpret_cast<std::uintptr_t>(key.parent));
    m.add(reinterpret_cast<std::uintptr_t>(key.store));
    m.add(std::uint64_t{key.begin} << 32 | key.count);
    Recent& slot = recent_[m.result() % kRecent];
    if (slot.key != key || slot.key.store == nullptr) {
        slot.key = key;
        slot.traits = intern(compute_traits(properties));
    }
    return slot.traits;
}

SharedTraits TraitInterner::intern(const TraitRecord& record) {
    const std::uint64_t h = hash(record);
    Entry& entry = find(record, h);
    return entry.traits.empty() ? insert(entry, h, SharedTraits(record)) : entry.traits;
}

SharedTraits TraitInterner::intern(const SharedTraits& traits) {
    const std::uint64_t h = hash(*traits);
    Entry& entry = find(*traits, h);
    if (!entry.traits.empty()) {
        return entry.traits;
    }
    // An empty handle cannot stand in the table, where it marks a free entry.
    return insert(entry, h, traits.empty() ? SharedTraits(TraitRecord{}) : traits);
}

TraitInterner::Entry& TraitInterner::find(const TraitRecord& record, std::uint64_t hash) {
    const std::size_t mask = entries_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Entry& entry = entries_[at];
        if (entry.traits.empty() || (entry.hash == hash && *entry.traits == record)) {
            return entry;
        }
    }
}

SharedTraits TraitInterner::insert(Entry& free, std::uint64_t hash, SharedTraits traits) {
    free.hash = hash;
    free.traits = std::move(traits);
    SharedTraits result = free.traits;  // free may move when the table grows
    if (++count_ * 2 > entries_.size()) {
        grow();
    }
    return result;
}

void TraitInterner::grow() {
    std::vector<Entry> previous(entries_.size() * 2);
    previous.swap(entries_);
    const std::size_t mask = entries_.size() - 1;
    for (Entry& entry : previous) {
        if (entry.traits.empty()) {
            continue;
        }
        std::size_t at = entry.hash & mask;
        while (!entries_[at].traits.empty()) {
            at = (at + 1) & mask;
        }
        entries_[at] = std::move(entry);
    }
}

}  // namespace lorp
