#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

namespace lorp {

// An optional, immutable UTF-8 text whose copies share one buffer, so that a
// trait record copied into every text run of a block costs no allocation.
// It reads like std::optional<std::string>: test it, then dereference it.
// The count of sharers is not atomic: an area tree belongs to one thread.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::nullopt_t) {}  // NOLINT: reads like an optional
    SharedText(std::string text) : block_(new Block{1, std::move(text)}) {}  // NOLINT
    SharedText(const char* text) : SharedText(std::string(text)) {}          // NOLINT
    SharedText(const std::optional<std::string>& text) {                     // NOLINT
        if (text) {
            block_ = new Block{1, *text};
        }
    }
    SharedText(const SharedText& other) : block_(other.block_) {
        if (block_ != nullptr) {
            ++block_->sharers;
        }
    }
    SharedText(SharedText&& other) noexcept : block_(std::exchange(other.block_, nullptr)) {}
    SharedText& operator=(SharedText other) noexcept {
        std::swap(block_, other.block_);
        return *this;
    }
    ~SharedText() { release(); }

    bool has_value() const { return block_ != nullptr; }
    explicit operator bool() const { return has_value(); }
    // Precondition for these three: has_value().
    const std::string& operator*() const { return block_->text; }
    const std::string* operator->() const { return &block_->text; }
    const std::string& value() const { return block_->text; }

    void emplace(std::string_view text) { *this = SharedText(std::string(text)); }
    void reset() { *this = SharedText(); }
    std::optional<std::string> to_optional() const {
        return block_ != nullptr ? std::optional<std::string>(block_->text) : std::nullopt;
    }

    // Absent equals only absent; present texts compare by content.
    friend bool operator==(const SharedText& a, const SharedText& b) {
        return a.block_ == b.block_ ||
               (a.block_ != nullptr && b.block_ != nullptr && a.block_->text == b.block_->text);
    }
    friend bool operator==(const SharedText& a, std::string_view b) {
        return a.block_ != nullptr && a.block_->text == b;
    }
    friend bool operator==(const SharedText& a, const char* b) { return a == std::string_view(b); }
    friend bool operator==(const SharedText& a, const std::string& b) {
        return a == std::string_view(b);
    }
    friend bool operator==(const SharedText& a, std::nullopt_t) { return !a.has_value(); }
    friend bool operator==(const SharedText& a, const std::optional<std::string>& b) {
        return b ? a == std::string_view(*b) : !a.has_value();
    }

    friend std::ostream& operator<<(std::ostream& os, const SharedText& text) {
        return text ? os << '"' << *text << '"' : os << "(absent)";
    }

private:
    struct Block {
        std::size_t sharers;
        std::string text;
    };

    void release() {
        if (block_ != nullptr && --block_->sharers == 0) {
            delete block_;
        }
        block_ = nullptr;
    }

    Block* block_ = nullptr;
};

}  // namespace lorp
