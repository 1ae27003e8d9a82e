#pragma once

#include <utility>

#include "layout/area/shared_box.h"
#include "layout/area/trait_record.h"

namespace lorp {

// The trait record of an area, shared between copies: every text run of a
// block points at the block's record instead of holding its own. Reading goes
// through -> and *; edit() gives a record of this handle's own to change,
// copying it first when others share it. An empty handle reads as the record
// with every field absent and costs no allocation.
class SharedTraits {
public:
    SharedTraits() = default;
    SharedTraits(TraitRecord record) : box_(std::move(record)) {}  // NOLINT: implicit on purpose

    // Whether the handle has no record of its own (it reads as the absent one).
    bool empty() const { return box_.empty(); }

    const TraitRecord& operator*() const { return box_.empty() ? absent() : box_.value(); }
    const TraitRecord* operator->() const { return &**this; }

    // The record to change, no longer shared with any other handle.
    TraitRecord& edit() {
        if (box_.empty()) {
            box_ = SharedBox<TraitRecord>(TraitRecord{});
        }
        return box_.own_value();
    }

    // Whether both handles read the same record object (not merely equal ones).
    bool shares_with(const SharedTraits& other) const { return box_.same_as(other.box_); }

private:
    static const TraitRecord& absent() {
        static const TraitRecord record;
        return record;
    }

    SharedBox<TraitRecord> box_;
};

}  // namespace lorp
