#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "error/result.h"

namespace lorp {

// The bytes as one zlib stream (deflate at level 6 inside the RFC 1950
// wrapper), as a FlateDecode stream holds them. The output grows in 32 KiB
// steps. Fails with "Compression error: {zlib's message}", or "Compression
// finish error: {message}" while finishing the stream.
Result<std::string> zlib_compress(std::span<const std::uint8_t> input);

}  // namespace lorp
