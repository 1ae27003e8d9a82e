#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "layout/area/area_tree.h"
#include "render/svg/clip_ids.h"

namespace lorp {

// The data URI of every Image area that holds an image, by area id.
using ImageUris = std::unordered_map<AreaId, std::string>;

// Appends the elements of one page in drawing order, each on a line of its
// own that starts with `indent` and ends with a newline (a clip group start
// and its end are two lines). The page area draws nothing itself; each area
// below it is clipped when its overflow is hidden or scroll, then draws its
// background, its border sides as filled rectangles, and by kind a text run,
// a leader rule, an image, or its children. Positions are absolute, in
// points, y downward. The walk keeps its own stack, so nesting depth is not
// bounded by the call stack.
void draw_svg_page(const AreaTree& tree, AreaId page, const ImageUris& images, ClipIds& clip_ids,
                   std::string_view indent, std::string& out);

}  // namespace lorp
