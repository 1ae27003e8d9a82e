#pragma once

#include <cstddef>
#include <utility>

namespace lorp {

// A value on the heap that copies of the box share, with a count of its
// sharers. The count is not atomic: an area tree belongs to one thread. An
// empty box holds no value and costs no allocation.
template <class T>
class SharedBox {
public:
    SharedBox() = default;
    explicit SharedBox(T value) : block_(new Block{1, std::move(value)}) {}
    SharedBox(const SharedBox& other) : block_(other.block_) {
        if (block_ != nullptr) {
            ++block_->sharers;
        }
    }
    SharedBox(SharedBox&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    SharedBox& operator=(SharedBox other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    ~SharedBox() {
        if (block_ != nullptr && --block_->sharers == 0) {
            delete block_;
        }
    }

    bool empty() const { return block_ == nullptr; }
    // Precondition for both: !empty().
    const T& value() const { return block_->value; }
    // The value, first copied when other boxes share it.
    T& own_value() {
        if (block_->sharers > 1) {
            *this = SharedBox(block_->value);
        }
        return block_->value;
    }

    // Whether both boxes hold the same value object (not merely equal ones).
    bool same_as(const SharedBox& other) const { return block_ == other.block_; }

private:
    struct Block {
        std::size_t sharers;
        T value;
    };

    Block* block_ = nullptr;
};

}  // namespace lorp
