#include "render/pdf/content_stream.h"

#include "types/number_text.h"

namespace lorp {

ContentStream& ContentStream::integer(std::int64_t value) {
    append_integer(out_, value);
    return *this;
}

ContentStream& ContentStream::points(std::int64_t millipoints) {
    append_fixed(out_, static_cast<double>(millipoints) / 1000.0, 3);
    return *this;
}

ContentStream& ContentStream::shortest_points(std::int64_t millipoints) {
    append_shortest(out_, static_cast<double>(millipoints) / 1000.0);
    return *this;
}

ContentStream& ContentStream::fixed(double value, int decimals) {
    append_fixed(out_, value, decimals);
    return *this;
}

ContentStream& ContentStream::color(Color color) {
    append_fixed(out_, color.red / 255.0, 3);
    out_ += ' ';
    append_fixed(out_, color.green / 255.0, 3);
    out_ += ' ';
    append_fixed(out_, color.blue / 255.0, 3);
    return *this;
}

}  // namespace lorp
