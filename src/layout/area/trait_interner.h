#pragma once

#include <cstddef>
#include <array>
#include <unordered_set>

#include "properties/property_list.h"

#include "layout/area/shared_traits.h"

namespace lorp {

// Hands out one shared record per distinct trait record, so that the many
// blocks and inlines of a document styled alike hold one record between
// them. The table keeps each record alive for the life of the interner.
class TraitInterner {
public:
    SharedTraits intern(TraitRecord record);
    // The same record as traits, shared with every equal one seen so far.
    SharedTraits intern(const SharedTraits& traits);
    // The interned compute_traits(properties). Lists that resolve alike
    // (siblings styled alike, above all) reuse the record of a recent one
    // instead of computing it again.
    SharedTraits computed(const PropertyList& properties);

    std::size_t size() const { return records_.size(); }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(const TraitRecord& record) const;
        std::size_t operator()(const SharedTraits& traits) const { return (*this)(*traits); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(const SharedTraits& a, const SharedTraits& b) const { return *a == *b; }
        bool operator()(const TraitRecord& a, const SharedTraits& b) const { return a == *b; }
        bool operator()(const SharedTraits& a, const TraitRecord& b) const { return *a == b; }
    };

    struct Recent {
        PropertyValuesKey key;
        SharedTraits traits;
    };
    // A small table indexed by a hash of the key: a miss only costs a
    // computation, so it never grows.
    static constexpr std::size_t kRecent = 256;

    std::unordered_set<SharedTraits, Hash, Equal> records_;
    std::array<Recent, kRecent> recent_{};
};

}  // namespace lorp
