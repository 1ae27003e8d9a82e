#pragma once

#include <cstdint>

namespace lorp {

// An area's rectangle in PDF page space: millipoints, origin at the
// bottom-left corner of the page, y upward. 64 bits, because absolute
// positions are sums over the whole nesting of areas.
struct PageRect {
    std::int64_t x = 0;  // lower-left corner
    std::int64_t y = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

}  // namespace lorp
