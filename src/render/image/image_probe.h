#pragma once

#include <cstdint>
#include <span>

#include "error/result.h"
#include "render/image/image_info.h"

namespace lorp {

// Recognises PNG or JPEG data by its signature and reads the header. Fails with
// "Unknown image format" for anything else (or fewer than 8 bytes), and with
// the PNG or JPEG reader's message for a header that does not read.
Result<ImageHeader> read_image_header(std::span<const std::uint8_t> bytes);

// read_image_header, plus a copy of the bytes.
Result<ImageInfo> probe(std::span<const std::uint8_t> bytes);

}  // namespace lorp
