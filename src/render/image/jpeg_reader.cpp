#include "render/image/jpeg_reader.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <string>

#include <jpeglib.h>

namespace lorp {

namespace {

// libjpeg's error manager with a way back out of the library. Every object in
// the frames a decoder error longjmps over is trivially destructible.
struct JpegErrors {
    jpeg_error_mgr manager;  // first, so that cinfo->err points at the whole record
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX] = {};
};

[[noreturn]] void on_error(j_common_ptr cinfo) {
    auto* errors = reinterpret_cast<JpegErrors*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, errors->message);
    std::longjmp(errors->jump, 1);
}

// Warnings and trace messages go nowhere: a library never writes to stderr.
void on_message(j_common_ptr, int) {}
void on_output(j_common_ptr) {}

// Returns jpeg_read_header's code, or -1 after a decoder error whose message
// is in `errors`. No locals of its own: returning through setjmp skips nothing.
int read_header(jpeg_decompress_struct* cinfo, JpegErrors* errors, const std::uint8_t* data,
                std::size_t size) {
    if (setjmp(errors->jump)) {
        return -1;
    }
    jpeg_create_decompress(cinfo);
    jpeg_mem_src(cinfo, data, static_cast<unsigned long>(size));
    return jpeg_read_header(cinfo, TRUE);
}

const char* color_space_name(const jpeg_decompress_struct& cinfo) {
    if (cinfo.data_precision != 8) {
        return nullptr;
    }
    switch (cinfo.jpeg_color_space) {
        case JCS_GRAYSCALE:
            return cinfo.num_components == 1 ? "DeviceGray" : nullptr;
        case JCS_RGB:
        case JCS_YCbCr:
            return cinfo.num_components == 3 ? "DeviceRGB" : nullptr;
        case JCS_CMYK:
        case JCS_YCCK:
            return cinfo.num_components == 4 ? "DeviceCMYK" : nullptr;
        default:  // JCS_UNKNOWN, and the extended spaces that only describe output
            return nullptr;
    }
}

}  // namespace

Result<ImageHeader> read_jpeg_header(std::span<const std::uint8_t> bytes) {
    jpeg_decompress_struct cinfo{};
    JpegErrors errors{};
    cinfo.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = on_error;
    errors.manager.emit_message = on_message;
    errors.manager.output_message = on_output;

    int code = read_header(&cinfo, &errors, bytes.data(), bytes.size());
    Result<ImageHeader> result = ConversionError::generic("JPEG decoder info not available");
    if (code == -1) {
        result =
            ConversionError::generic(std::string("Failed to read JPEG info: ") + errors.message);
    } else if (code == JPEG_HEADER_OK) {
        if (const char* name = color_space_name(cinfo)) {
            result = ImageHeader{ImageFormat::Jpeg, name, cinfo.image_width, cinfo.image_height, 8};
        } else {
            result = ConversionError::generic(
                "Unsupported JPEG pixel format: " + std::to_string(cinfo.num_components) +
                " components of " + std::to_string(cinfo.data_precision) + " bits");
        }
    }
    jpeg_destroy_decompress(&cinfo);
    return result;
}

}  // namespace lorp
