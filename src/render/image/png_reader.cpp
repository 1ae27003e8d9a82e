#include "render/image/png_reader.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace lorp {

namespace {

// Everything the libpng callbacks touch. It is trivially destructible, and so
// is every object in the frames a decoder error longjmps over.
struct PngSession {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t position = 0;
    std::size_t allocated = 0;  // bytes libpng holds right now
    char message[256] = {};
};

// Each block libpng gets is preceded by its size, so that release() can
// return it to the running total.
constexpr std::size_t block_header = alignof(std::max_align_t) > sizeof(std::size_t)
                                         ? alignof(std::max_align_t)
                                         : sizeof(std::size_t);

PngSession* session_of_memory(png_structp png) {
    return static_cast<PngSession*>(png_get_mem_ptr(png));
}

png_voidp allocate(png_structp png, png_alloc_size_t size) {
    PngSession* session = session_of_memory(png);
    if (session == nullptr || size > png_memory_limit - session->allocated) {
        return nullptr;  // libpng turns this into "out of memory"
    }
    auto* block = static_cast<unsigned char*>(std::malloc(block_header + size));
    if (block == nullptr) {
        return nullptr;
    }
    std::memcpy(block, &size, sizeof size);
    session->allocated += size;
    return block + block_header;
}

void release(png_structp png, png_voidp pointer) {
    if (pointer == nullptr) {
        return;
    }
    unsigned char* block = static_cast<unsigned char*>(pointer) - block_header;
    std::size_t size;
    std::memcpy(&size, block, sizeof size);
    if (PngSession* session = session_of_memory(png)) {
        session->allocated -= size;
    }
    std::free(block);
}

[[noreturn]] void on_error(png_structp png, png_const_charp message) {
    auto* session = static_cast<PngSession*>(png_get_error_ptr(png));
    if (session != nullptr) {
        std::strncpy(session->message, message, sizeof session->message - 1);
    }
    png_longjmp(png, 1);
}

// Warnings (bad ancillary chunks, profile mismatches) change nothing we
// decode, and a library never writes to stderr.
void on_warning(png_structp, png_const_charp) {}

void read_bytes(png_structp png, png_bytep out, std::size_t length) {
    auto* session = static_cast<PngSession*>(png_get_io_ptr(png));
    if (length > session->size - session->position) {
        png_error(png, "unexpected end of file");
    }
    std::memcpy(out, session->data + session->position, length);
    session->position += length;
}

// The read and info structures of one session, destroyed on every path.
class PngReadStructs {
public:
    explicit PngReadStructs(PngSession& session) {
        png_ = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, &session, on_error, on_warning,
                                        &session, allocate, release);
        if (png_ != nullptr) {
            info_ = png_create_info_struct(png_);
            png_set_read_fn(png_, &session, read_bytes);
        }
    }
    ~PngReadStructs() {
        if (png_ != nullptr) {
            png_destroy_read_struct(&png_, info_ != nullptr ? &info_ : nullptr, nullptr);
        }
    }
    PngReadStructs(const PngReadStructs&) = delete;
    PngReadStructs& operator=(const PngReadStructs&) = delete;

    bool created() const { return png_ != nullptr && info_ != nullptr; }
    png_structp png() const { return png_; }
    png_infop info() const { return info_; }

private:
    png_structp png_ = nullptr;
    png_infop info_ = nullptr;
};

// The two steps that may longjmp back. Neither holds an object with a
// destructor, so returning through setjmp skips nothing. False means the decoder failed and
// left its message in the session.
bool read_info(png_structp png, png_infop info) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
#ifdef PNG_HANDLE_AS_UNKNOWN_SUPPORTED
    // Text, profiles and suggested palettes are never used: skip them rather
    // than inflate them.
    static const png_byte unused[] = "zTXt\0iTXt\0tEXt\0iCCP\0sPLT";
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, unused, 5);
#endif
    png_read_info(png, info);
    return true;
}

bool read_rows(png_structp png, png_infop info, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    png_read_image(png, rows);
    return true;
}

ConversionError decode_error(const PngSession& session) {
    return ConversionError::generic(std::string("PNG decode error: ") + session.message);
}

// The header of an opened session, or its error.
Result<ImageHeader> session_header(PngSession& session, const PngReadStructs& structs) {
    if (!structs.created()) {
        std::strcpy(session.message, "out of memory");
        return decode_error(session);
    }
    if (!read_info(structs.png(), structs.info())) {
        return decode_error(session);
    }
    ImageHeader header;
    header.format = ImageFormat::Png;
    header.width = png_get_image_width(structs.png(), structs.info());
    header.height = png_get_image_height(structs.png(), structs.info());
    header.bits_per_component = png_get_bit_depth(structs.png(), structs.info());
    switch (png_get_color_type(structs.png(), structs.info())) {
        case PNG_COLOR_TYPE_GRAY:
        case PNG_COLOR_TYPE_GRAY_ALPHA:
            header.color_space = "DeviceGray";
            return header;
        case PNG_COLOR_TYPE_RGB:
        case PNG_COLOR_TYPE_RGB_ALPHA:
            header.color_space = "DeviceRGB";
            return header;
        case PNG_COLOR_TYPE_PALETTE:
            return ConversionError::generic("Indexed PNG images are not supported");
    }
    // libpng refuses other colour types while reading IHDR.
    std::strcpy(session.message, "invalid colour type");
    return decode_error(session);
}

void open(PngSession& session, std::span<const std::uint8_t> bytes) {
    session.data = bytes.data();
    session.size = bytes.size();
}

}  // namespace

Result<ImageHeader> read_png_header(std::span<const std::uint8_t> bytes) {
    PngSession session;
    open(session, bytes);
    PngReadStructs structs(session);
    return session_header(session, structs);
}

Result<PngFrame> decode_png_frame(std::span<const std::uint8_t> bytes) {
    PngSession session;
    open(session, bytes);
    PngReadStructs structs(session);
    auto header = session_header(session, structs);
    if (!header.ok()) {
        return std::move(header).error();
    }
    if (header->bits_per_component != 8) {
        return ConversionError::generic("Only 8-bit PNG images are supported");
    }

    PngFrame frame;
    frame.width = header->width;
    frame.height = header->height;
    frame.channels = png_get_channels(structs.png(), structs.info());
    std::size_t row_bytes = 0;
    std::size_t frame_bytes = 0;
    if (__builtin_mul_overflow(std::size_t{frame.width}, std::size_t{frame.channels}, &row_bytes) ||
        __builtin_mul_overflow(row_bytes, std::size_t{frame.height}, &frame_bytes)) {
        return ConversionError::generic("PNG: could not determine output buffer size");
    }
    // Checked before anything is allocated: a header may claim any size.
    if (frame_bytes > png_memory_limit) {
        return ConversionError::generic("PNG frame error: image of " + std::to_string(frame_bytes) +
                                        " bytes exceeds the 64 MiB decoder memory limit");
    }

    frame.samples.resize(frame_bytes);
    std::vector<png_bytep> rows(frame.height);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = frame.samples.data() + y * row_bytes;
    }
    if (!read_rows(structs.png(), structs.info(), rows.data())) {
        return ConversionError::generic(std::string("PNG frame error: ") + session.message);
    }
    return frame;
}

}  // namespace lorp
