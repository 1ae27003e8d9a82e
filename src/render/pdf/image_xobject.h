#pragma once

#include <cstdint>
#include <span>

#include "error/result.h"
#include "render/pdf/pdf_image.h"

namespace lorp {

// An image file as an image XObject. JPEG data goes into the stream unchanged
// (DCTDecode); PNG data is decoded, loses any alpha channel (the colour
// samples stay as stored, nothing is composited) and is zlib-compressed as
// plain rows of samples without predictor (FlateDecode). Fails with the
// probe's, decoder's or compressor's message.
Result<PdfImage> to_pdf_image(std::span<const std::uint8_t> bytes);

}  // namespace lorp
