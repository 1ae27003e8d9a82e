#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "error/result.h"

namespace lorp {

// Standard base64: A-Z, a-z, 0-9, "+", "/", "=" padding, no line breaks.
void append_base64(std::string& out, std::span<const std::uint8_t> bytes);

// "data:image/png;base64,..." or "data:image/jpeg;base64,..." for an image
// file the probe recognises; the probe's error for anything else.
Result<std::string> image_data_uri(std::span<const std::uint8_t> bytes);

}  // namespace lorp
