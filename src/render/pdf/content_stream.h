#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "types/color.h"

namespace lorp {

// Appends page-description operators to the content buffer of one page.
// Numbers are formatted straight into the buffer, locale-free.
class ContentStream {
public:
    explicit ContentStream(std::string& buffer) : out_(buffer) {}

    ContentStream& raw(std::string_view bytes) {
        out_ += bytes;
        return *this;
    }
    ContentStream& integer(std::int64_t value);
    // A length in millipoints as points with three decimals: 10500 -> "10.500".
    ContentStream& points(std::int64_t millipoints);
    // A length in millipoints as points in the shortest form: 10500 -> "10.5".
    ContentStream& shortest_points(std::int64_t millipoints);
    ContentStream& fixed(double value, int decimals);
    // "{r} {g} {b}", each byte divided by 255 with three decimals; alpha is
    // never written.
    ContentStream& color(Color color);

    std::string& buffer() { return out_; }

private:
    std::string& out_;
};

}  // namespace lorp
