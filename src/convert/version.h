#pragma once

#include <string_view>

namespace lorp {

// The component name and version: "lorp-python 0.1.0".
constexpr std::string_view version() {
    return "lorp-python 0.1.0";
}

}  // namespace lorp
