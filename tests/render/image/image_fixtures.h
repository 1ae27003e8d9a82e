#pragma once

// Small image files written with libpng and libjpeg, and the edits that spoil
// them, for the image and PDF tests.

#include <png.h>
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace lorp::image_test {

using Bytes = std::vector<std::uint8_t>;

struct PngSpec {
    std::uint32_t width = 1;
    std::uint32_t height = 1;
    int color_type = PNG_COLOR_TYPE_RGB;
    int bit_depth = 8;
    Bytes rows;  // packed rows as libpng takes them, top to bottom
    bool interlaced = false;
};

namespace detail {

inline void append_png(png_structp png, png_bytep data, std::size_t length) {
    auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

inline void flush_png(png_structp) {}

// No locals: a writer error longjmps back here past nothing to destroy.
inline bool write_png(png_structp png, png_infop info, const PngSpec& spec, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) {
        return false;
    }
    png_set_IHDR(png, info, spec.width, spec.height, spec.bit_depth, spec.color_type,
                 spec.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (spec.color_type == PNG_COLOR_TYPE_PALETTE) {
        static png_color palette[2] = {{0, 0, 0}, {255, 255, 255}};
        png_set_PLTE(png, info, palette, 2);
    }
    png_write_info(png, info);
    png_set_interlace_handling(png);
    png_write_image(png, rows);
    png_write_end(png, info);
    return true;
}

}  // namespace detail

// The PNG file for `spec`, or an empty vector if libpng refused it.
inline Bytes png_file(const PngSpec& spec) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(png, &out, detail::append_png, detail::flush_png);
    std::size_t row_bytes = spec.rows.size() / spec.height;
    std::vector<png_bytep> rows(spec.height);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        rows[y] = const_cast<png_bytep>(spec.rows.data() + y * row_bytes);
    }
    if (!detail::write_png(png, info, spec, rows.data())) {
        out.clear();
    }
    png_destroy_write_struct(&png, &info);
    return out;
}

// A JPEG file of a `width` x `height` image whose samples are all `value`,
// given in `in_space` with `components` samples per pixel and stored in
// `stored_space`.
inline Bytes jpeg_file(std::uint32_t width, std::uint32_t height, int components,
                       J_COLOR_SPACE in_space, J_COLOR_SPACE stored_space,
                       std::uint8_t value = 128) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = width;
    cinfo.image_height = height;
    cinfo.input_components = components;
    cinfo.in_color_space = in_space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_colorspace(&cinfo, stored_space);
    jpeg_start_compress(&cinfo, TRUE);
    Bytes row(std::size_t{width} * components, value);
    while (cinfo.next_scanline < height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    Bytes out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

// `png` with the IHDR chunk claiming another size, its CRC made good again.
inline Bytes with_png_size(Bytes png, std::uint32_t width, std::uint32_t height) {
    auto put = [&](std::size_t at, std::uint32_t v) {
        png[at] = static_cast<std::uint8_t>(v >> 24);
        png[at + 1] = static_cast<std::uint8_t>(v >> 16);
        png[at + 2] = static_cast<std::uint8_t>(v >> 8);
        png[at + 3] = static_cast<std::uint8_t>(v);
    };
    // signature 8, length 4, "IHDR" at 12, width at 16, height at 20, CRC at 29
    put(16, width);
    put(20, height);
    put(29, static_cast<std::uint32_t>(crc32(0, png.data() + 12, 17)));
    return png;
}

// The bytes of a zlib stream inflated, or "error" if it does not inflate to
// its end.
inline Bytes inflated(const std::string& data) {
    z_stream stream{};
    inflateInit(&stream);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    Bytes out;
    unsigned char buffer[4096];
    int code = Z_OK;
    while (code == Z_OK) {
        stream.next_out = buffer;
        stream.avail_out = sizeof buffer;
        code = inflate(&stream, Z_NO_FLUSH);
        out.insert(out.end(), buffer, buffer + (sizeof buffer - stream.avail_out));
    }
    inflateEnd(&stream);
    if (code != Z_STREAM_END || stream.avail_in != 0) {
        return Bytes{'e', 'r', 'r', 'o', 'r'};
    }
    return out;
}

}  // namespace lorp::image_test
