#include "fo/text_store.h"

#include <cstring>

namespace lorp {

std::string_view TextStore::store(std::string_view text) {
    static constexpr char kEmpty[] = "";
    if (text.empty()) {
        return std::string_view(kEmpty, 0);
    }
    const std::size_t size = text.size();
    if (size > kBlockSize / 4) {
        // Large texts get a block of their own, so the shared block keeps its free space.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        capacity_ += size;
        char* data = blocks_.back().get();
        std::memcpy(data, text.data(), size);
        return std::string_view(data, size);
    }
    if (size > left_) {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
        capacity_ += kBlockSize;
        free_ = blocks_.back().get();
        left_ = kBlockSize;
    }
    char* data = free_;
    std::memcpy(data, text.data(), size);
    free_ += size;
    left_ -= size;
    return std::string_view(data, size);
}

}  // namespace lorp
