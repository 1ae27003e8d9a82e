#pragma once

#include <cstddef>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "layout/area/shared_box.h"

namespace lorp {

// An optional, immutable UTF-8 text whose copies share one buffer, so that a
// trait record copied into every text run of a block costs no allocation.
// It reads like std::optional<std::string>: test it, then dereference it.
class SharedText {
public:
    SharedText() = default;
    SharedText(std::nullopt_t) {}                            // NOLINT: reads like an optional
    SharedText(std::string text) : box_(std::move(text)) {}  // NOLINT
    SharedText(const char* text) : SharedText(std::string(text)) {}  // NOLINT
    SharedText(const std::optional<std::string>& text) {             // NOLINT
        if (text) {
            box_ = SharedBox<std::string>(*text);
        }
    }

    bool has_value() const { return !box_.empty(); }
    explicit operator bool() const { return has_value(); }
    // Precondition for these three: has_value().
    const std::string& operator*() const { return box_.value(); }
    const std::string* operator->() const { return &box_.value(); }
    const std::string& value() const { return box_.value(); }

    void emplace(std::string_view text) { *this = SharedText(std::string(text)); }
    void reset() { *this = SharedText(); }
    std::optional<std::string> to_optional() const {
        return has_value() ? std::optional<std::string>(value()) : std::nullopt;
    }

    // Absent equals only absent; present texts compare by content.
    friend bool operator==(const SharedText& a, const SharedText& b) {
        return a.box_.same_as(b.box_) || (a.has_value() && b.has_value() && *a == *b);
    }
    friend bool operator==(const SharedText& a, std::string_view b) {
        return a.has_value() && *a == b;
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
    SharedBox<std::string> box_;
};

}  // namespace lorp
