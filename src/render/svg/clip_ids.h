#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace lorp {

// Hands out the ids of clip paths: "clip-{x}-{y}" after the clipped area's
// absolute top-left corner in points. Two clipped areas at the same corner
// (on one page or on pages drawn into the same document) would share that
// id, and the second would be clipped to the first one's rectangle, so the
// n-th repeat of a corner gets "clip-{x}-{y}-{n}" from n = 2 on.
class ClipIds {
public:
    std::string next(std::int64_t x_millipoints, std::int64_t y_millipoints);

private:
    std::unordered_map<std::string, std::size_t> uses_;
};

}  // namespace lorp
