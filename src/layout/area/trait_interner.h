#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "layout/area/shared_traits.h"
#include "properties/property_list.h"

namespace lorp {

// Hands out one shared record per distinct trait record, so that the many
// blocks and inlines of a document styled alike hold one record between
// them. The table keeps each record alive for the life of the interner.
class TraitInterner {
public:
    SharedTraits intern(const TraitRecord& record);
    // The same record as traits, shared with every equal one seen so far.
    SharedTraits intern(const SharedTraits& traits);
    // The interned compute_traits(properties). Lists that resolve alike
    // (siblings styled alike, above all) reuse the record of a recent one
    // instead of computing it again.
    SharedTraits computed(const PropertyList& properties);

    std::size_t size() const { return count_; }

    static std::uint64_t hash(const TraitRecord& record);

private:
    // An open-addressing table of records by their hash, so a lookup hashes
    // the record once and allocates nothing but the record itself.
    struct Entry {
        std::uint64_t hash = 0;
        SharedTraits traits;  // empty: a free entry
    };
    // The entry holding a record equal to record, or the free one where it
    // belongs.
    Entry& find(const TraitRecord& record, std::uint64_t hash);
    SharedTraits insert(Entry& free, std::uint64_t hash, SharedTraits traits);
    void grow();

    struct Recent {
        PropertyValuesKey key;
        SharedTraits traits;
    };
    // A small table indexed by a hash of the key: a miss only costs a
    // computation, so it never grows.
    static constexpr std::size_t kRecent = 256;

    std::vector<Entry> entries_ = std::vector<Entry>(64);  // a power of two
    std::size_t count_ = 0;
    std::array<Recent, kRecent> recent_{};
};

}  // namespace lorp
