#pragma once

#include <cstddef>
#include <unordered_set>

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

    std::unordered_set<SharedTraits, Hash, Equal> records_;
};

}  // namespace lorp
