#pragma once

#include <cstddef>

namespace lorp {

// Asks the kernel to back the whole 2 MiB pages inside [data, data + bytes)
// with huge pages. A large arena filled front to back then takes one page
// fault per 2 MiB instead of one per 4 KiB, which on virtual machines is
// most of the cost of filling it. Only a hint: where the system does not
// offer huge pages, or the buffer is small, nothing happens.
void advise_huge_pages(const void* data, std::size_t bytes);

}  // namespace lorp
