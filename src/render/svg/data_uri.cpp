#include "render/svg/data_uri.h"

#include "render/image/image_probe.h"

namespace lorp {

void append_base64(std::string& out, std::span<const std::uint8_t> bytes) {
    static constexpr char kAlphabet[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    out.reserve(out.size() + (bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        const std::uint32_t group = bytes[i] << 16 | bytes[i + 1] << 8 | bytes[i + 2];
        out += kAlphabet[group >> 18];
        out += kAlphabet[(group >> 12) & 63];
        out += kAlphabet[(group >> 6) & 63];
        out += kAlphabet[group & 63];
    }
    const std::size_t rest = bytes.size() - i;
    if (rest == 0) {
        return;
    }
    const std::uint32_t group = bytes[i] << 16 | (rest == 2 ? bytes[i + 1] << 8 : 0);
    out += kAlphabet[group >> 18];
    out += kAlphabet[(group >> 12) & 63];
    out += rest == 2 ? kAlphabet[(group >> 6) & 63] : '=';
    out += '=';
}

Result<std::string> image_data_uri(std::span<const std::uint8_t> bytes) {
    Result<ImageHeader> header = read_image_header(bytes);
    if (!header.ok()) {
        return std::move(header).error();
    }
    std::string uri;
    switch (header->format) {
        case ImageFormat::Png:
            uri = "data:image/png;base64,";
            break;
        case ImageFormat::Jpeg:
            uri = "data:image/jpeg;base64,";
            break;
    }
    append_base64(uri, bytes);
    return uri;
}

}  // namespace lorp
