#include "render/image/image_probe.h"

#include <algorithm>
#include <array>

#include "render/image/jpeg_reader.h"
#include "render/image/png_reader.h"

namespace lorp {

namespace {

constexpr std::array<std::uint8_t, 8> png_signature = {0x89, 0x50, 0x4E, 0x47,
                                                       0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::array<std::uint8_t, 3> jpeg_signature = {0xFF, 0xD8, 0xFF};

bool starts_with(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix) {
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

}  // namespace

Result<ImageHeader> read_image_header(std::span<const std::uint8_t> bytes) {
    // Eight bytes at least, for JPEG too: nothing shorter is a usable image.
    if (bytes.size() >= png_signature.size()) {
        if (starts_with(bytes, png_signature)) {
            return read_png_header(bytes);
        }
        if (starts_with(bytes, jpeg_signature)) {
            return read_jpeg_header(bytes);
        }
    }
    return ConversionError::generic("Unknown image format");
}

Result<ImageInfo> probe(std::span<const std::uint8_t> bytes) {
    auto header = read_image_header(bytes);
    if (!header.ok()) {
        return std::move(header).error();
    }
    ImageInfo info{std::move(header).value(), {}};
    info.bytes.assign(bytes.begin(), bytes.end());
    return info;
}

}  // namespace lorp
