#pragma once

#include <cstddef>
#include <unordered_map>

#include "layout/area/area_tree.h"

namespace lorp {

// Which document-wide resource an area draws with, by index into the
// document's lists. Filled by the resource passes before any page is drawn.
struct ResourceMaps {
    std::unordered_map<AreaId, std::size_t> images;          // index into images, "/Im{n}"
    std::unordered_map<AreaId, std::size_t> opacity_states;  // index into ext_gstates, "/GS{n}"
};

}  // namespace lorp
