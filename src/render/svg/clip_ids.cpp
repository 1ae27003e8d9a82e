#include "render/svg/clip_ids.h"

#include "types/number_text.h"

namespace lorp {

std::string ClipIds::next(std::int64_t x_millipoints, std::int64_t y_millipoints) {
    std::string id = "clip-";
    append_shortest(id, static_cast<double>(x_millipoints) / 1000.0);
    id += '-';
    append_shortest(id, static_cast<double>(y_millipoints) / 1000.0);
    const std::size_t use = ++uses_[id];
    if (use > 1) {
        id += '-';
        append_integer(id, static_cast<std::int64_t>(use));
    }
    return id;
}

}  // namespace lorp
