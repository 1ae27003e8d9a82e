#pragma once

#include <cstddef>
#include <utility>

#include "layout/area/trait_record.h"

namespace lorp {

// The trait record of an area, shared between copies: every text run of a
// block points at the block's record instead of holding its own. Reading goes
// through -> and *; edit() gives a record of this handle's own to change,
// copying it first when others share it. An empty handle reads as the record
// with every field absent and costs no allocation.
// The count of sharers is not atomic: an area tree belongs to one thread.
class SharedTraits {
public:
    SharedTraits() = default;
    SharedTraits(TraitRecord record) : block_(new Block{1, std::move(record)}) {}  // NOLINT
    SharedTraits(const SharedTraits& other) : block_(other.block_) {
        if (block_ != nullptr) {
            ++block_->sharers;
        }
    }
    SharedTraits(SharedTraits&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    SharedTraits& operator=(SharedTraits other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    ~SharedTraits() { release(); }

    // Whether the handle has no record of its own (it reads as the absent one).
    bool empty() const { return block_ == nullptr; }

    const TraitRecord& operator*() const { return block_ != nullptr ? block_->record : absent(); }
    const TraitRecord* operator->() const { return &**this; }

    // The record to change, no longer shared with any other handle.
    TraitRecord& edit() {
        if (block_ == nullptr) {
            block_ = new Block{1, TraitRecord{}};
        } else if (block_->sharers > 1) {
            Block* own = new Block{1, block_->record};
            release();
            block_ = own;
        }
        return block_->record;
    }

    // Whether both handles read the same record object (not merely equal ones).
    bool shares_with(const SharedTraits& other) const { return block_ == other.block_; }

private:
    struct Block {
        std::size_t sharers;
        TraitRecord record;
    };

    static const TraitRecord& absent() {
        static const TraitRecord record;
        return record;
    }

    void release() {
        if (block_ != nullptr && --block_->sharers == 0) {
            delete block_;
        }
        block_ = nullptr;
    }

    Block* block_ = nullptr;
};

}  // namespace lorp
