#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace lorp {

// Append-only storage for the texts of one tree. Stored texts never move, so
// the views handed out stay valid for the life of the store; small texts share
// large blocks instead of costing one allocation each.
class TextStore {
public:
    TextStore() = default;
    TextStore(TextStore&&) noexcept = default;
    TextStore& operator=(TextStore&&) noexcept = default;

    // Copies text into the store. The view's data is never null, even for an
    // empty text, so a null view can stand for "absent".
    std::string_view store(std::string_view text);

    // Bytes held in blocks, for measurements.
    std::size_t capacity() const { return capacity_; }

private:
    static constexpr std::size_t kBlockSize = 64 * 1024;

    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;  // next free byte in the newest shared block
    std::size_t left_ = 0;  // bytes left after free_
    std::size_t capacity_ = 0;
};

}  // namespace lorp
