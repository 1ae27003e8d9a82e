#include "render/image/zlib_compress.h"

#include <zlib.h>

#include <algorithm>
#include <string>

namespace lorp {

namespace {

constexpr std::size_t output_step = 32 * 1024;
constexpr int compression_level = 6;
// zlib counts input in 32-bit units; larger inputs are fed in parts.
constexpr std::size_t input_step = std::size_t{1} << 30;

class Deflater {
public:
    Deflater() { status_ = deflateInit(&stream_, compression_level); }
    ~Deflater() {
        if (status_ == Z_OK) {
            deflateEnd(&stream_);
        }
    }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    int init_status() const { return status_; }

    // One deflate call with a fresh 32 KiB of room at the end of `out`.
    int step(std::string& out, int flush) {
        std::size_t used = out.size();
        out.resize(used + output_step);
        stream_.next_out = reinterpret_cast<Bytef*>(out.data() + used);
        stream_.avail_out = static_cast<uInt>(output_step);
        int code = deflate(&stream_, flush);
        out.resize(used + output_step - stream_.avail_out);
        return code;
    }

    z_stream& stream() { return stream_; }

    ConversionError error(const char* prefix, int code) const {
        const char* text = stream_.msg != nullptr ? stream_.msg : zError(code);
        return ConversionError::generic(std::string(prefix) + text);
    }

private:
    z_stream stream_{};
    int status_ = Z_OK;
};

}  // namespace

Result<std::string> zlib_compress(std::span<const std::uint8_t> input) {
    Deflater deflater;
    if (deflater.init_status() != Z_OK) {
        return deflater.error("Compression error: ", deflater.init_status());
    }
    z_stream& stream = deflater.stream();
    std::string out;
    std::size_t fed = 0;
    while (fed < input.size()) {
        std::size_t part = std::min(input.size() - fed, input_step);
        // zlib reads through a non-const pointer but never writes the input.
        stream.next_in = const_cast<Bytef*>(input.data() + fed);
        stream.avail_in = static_cast<uInt>(part);
        fed += part;
        while (stream.avail_in > 0) {
            int code = deflater.step(out, Z_NO_FLUSH);
            if (code != Z_OK) {
                return deflater.error("Compression error: ", code);
            }
        }
    }
    for (;;) {
        int code = deflater.step(out, Z_FINISH);
        if (code == Z_STREAM_END) {
            return out;
        }
        if (code != Z_OK) {
            return deflater.error("Compression finish error: ", code);
        }
    }
}

}  // namespace lorp
