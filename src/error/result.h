#pragma once

#include <cassert>
#include <utility>
#include <variant>

#include "error/conversion_error.h"

namespace lorp {

// A stage's outcome: its value or the one ConversionError that ended it.
template <class T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(ConversionError error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { assert(ok()); return *std::get_if<0>(&state_); }
    const T& value() const& { assert(ok()); return *std::get_if<0>(&state_); }
    T&& value() && { assert(ok()); return std::move(*std::get_if<0>(&state_)); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }

    const ConversionError& error() const& { assert(!ok()); return *std::get_if<1>(&state_); }
    ConversionError&& error() && { assert(!ok()); return std::move(*std::get_if<1>(&state_)); }

private:
    std::variant<T, ConversionError> state_;
};

// For stages that produce nothing but may fail.
struct Unit {};
using Status = Result<Unit>;
inline Status ok_status() { return Status(Unit{}); }

}  // namespace lorp
