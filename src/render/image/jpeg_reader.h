#pragma once

#include <cstdint>
#include <span>

#include "error/result.h"
#include "render/image/image_info.h"

namespace lorp {

// Reads the markers up to the first frame header; the image data is never
// decoded. One component gives "DeviceGray", three (YCbCr or RGB) "DeviceRGB",
// four (CMYK or YCCK) "DeviceCMYK". A decoder failure gives "Failed to read
// JPEG info: {libjpeg's message}"; any other pixel format fails with
// "Unsupported JPEG pixel format: {n} components of {bits} bits".
Result<ImageHeader> read_jpeg_header(std::span<const std::uint8_t> bytes);

}  // namespace lorp
