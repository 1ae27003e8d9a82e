#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lorp {

// The two image formats the renderers accept.
enum class ImageFormat { Png, Jpeg };

// What an image file's header says, without its pixels.
struct ImageHeader {
    ImageFormat format = ImageFormat::Png;
    std::string color_space;  // "DeviceGray", "DeviceRGB" or "DeviceCMYK"
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint8_t bits_per_component = 8;  // as stored; PNG allows 1 to 16, JPEG is always 8
};

// The probe's result: the header and an owned copy of the file.
struct ImageInfo : ImageHeader {
    std::vector<std::uint8_t> bytes;
};

}  // namespace lorp
