#pragma once

#include <cstdint>
#include <string>

namespace lorp {

// One image XObject, shared by every page and drawn as "/Im{index}". The data
// is the stream exactly as it goes into the file: a JPEG file unchanged, or
// zlib-compressed samples for an image that came from PNG.
struct PdfImage {
    std::string color_space;  // "DeviceGray", "DeviceRGB" or "DeviceCMYK"
    std::string filter;       // "DCTDecode" or "FlateDecode"
    std::string data;         // bytes
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bits_per_component = 8;
};

}  // namespace lorp
