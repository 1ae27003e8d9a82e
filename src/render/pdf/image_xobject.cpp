#include "render/pdf/image_xobject.h"

#include <string>
#include <utility>

#include "render/image/image_probe.h"
#include "render/image/png_reader.h"
#include "render/image/zlib_compress.h"

namespace lorp {

namespace {

// The stream is the file itself; only the header is ever read.
PdfImage jpeg_image(ImageHeader header, std::span<const std::uint8_t> bytes) {
    PdfImage image;
    image.color_space = std::move(header.color_space);
    image.filter = "DCTDecode";
    image.data.assign(bytes.begin(), bytes.end());
    image.width = header.width;
    image.height = header.height;
    image.bits_per_component = 8;
    return image;
}

// Keeps the colour samples of every pixel in place: gray+alpha becomes gray,
// RGBA becomes RGB. Returns the number of colour components.
std::size_t drop_alpha(PngFrame& frame) {
    const std::size_t channels = frame.channels;
    const std::size_t components = channels == 2 || channels == 4 ? channels - 1 : channels;
    if (components == channels) {
        return components;
    }
    std::uint8_t* samples = frame.samples.data();
    std::size_t out = 0;
    for (std::size_t in = 0; in + channels <= frame.samples.size(); in += channels) {
        for (std::size_t c = 0; c < components; ++c) {
            samples[out++] = samples[in + c];
        }
    }
    frame.samples.resize(out);
    return components;
}

Result<PdfImage> png_image(ImageHeader header, std::span<const std::uint8_t> bytes) {
    auto decoded = decode_png_frame(bytes);
    if (!decoded.ok()) {
        return std::move(decoded).error();
    }
    PngFrame& frame = decoded.value();
    const std::size_t components = drop_alpha(frame);
    const std::size_t expected = std::size_t{frame.width} * frame.height * components;
    if (frame.samples.size() != expected) {
        return ConversionError::generic("Unexpected PNG data size: got " +
                                        std::to_string(frame.samples.size()) + ", expected " +
                                        std::to_string(expected));
    }
    auto compressed = zlib_compress(frame.samples);
    if (!compressed.ok()) {
        return std::move(compressed).error();
    }
    PdfImage image;
    image.color_space = std::move(header.color_space);
    image.filter = "FlateDecode";
    image.data = std::move(compressed).value();
    image.width = frame.width;
    image.height = frame.height;
    image.bits_per_component = 8;
    return image;
}

}  // namespace

Result<PdfImage> to_pdf_image(std::span<const std::uint8_t> bytes) {
    // The probe without its copy of the bytes: JPEG data is copied once, into
    // the stream.
    auto header = read_image_header(bytes);
    if (!header.ok()) {
        return std::move(header).error();
    }
    switch (header->format) {
        case ImageFormat::Jpeg:
            return jpeg_image(std::move(header).value(), bytes);
        case ImageFormat::Png:
            return png_image(std::move(header).value(), bytes);
    }
    return ConversionError::generic("Cannot create XObject from unknown image format");
}

}  // namespace lorp
