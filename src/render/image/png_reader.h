#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "error/result.h"
#include "render/image/image_info.h"

namespace lorp {

// The most a PNG may cost to decode: libpng's own allocations are capped at
// this, and so is the decoded frame.
inline constexpr std::size_t png_memory_limit = std::size_t{64} << 20;

// Reads the signature and the chunks up to the first image data, with no
// output transformations. Gray and gray+alpha give "DeviceGray", RGB and RGBA
// "DeviceRGB"; palette images fail with "Indexed PNG images are not supported".
// A decoder failure gives "PNG decode error: {libpng's message}".
Result<ImageHeader> read_png_header(std::span<const std::uint8_t> bytes);

// The first frame of an 8-bit PNG as stored: rows top to bottom without filter
// bytes, `channels` samples per pixel (1 gray, 2 gray+alpha, 3 RGB, 4 RGBA).
struct PngFrame {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t channels = 0;
    std::vector<std::uint8_t> samples;
};

// Reads the header again and decodes the image data, de-interlacing if
// needed. Fails as read_png_header does, with "Only 8-bit PNG images are
// supported" for other depths, and with "PNG frame error: {message}" when the
// image data does not decode or the frame would pass png_memory_limit.
Result<PngFrame> decode_png_frame(std::span<const std::uint8_t> bytes);

}  // namespace lorp
