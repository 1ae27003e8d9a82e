#pragma once

#include <cstdint>

namespace lorp {

// What layout needs to know beyond the document: the page size for masters
// that give none and for page sequences whose master is missing (A4).
struct LayoutConfig {
    std::int32_t default_page_width = 595276;
    std::int32_t default_page_height = 841890;
};

}  // namespace lorp
