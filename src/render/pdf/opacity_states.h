#pragma once

#include <unordered_map>
#include <vector>

#include "layout/area/area_tree.h"
#include "render/pdf/pdf_ext_gstate.h"

namespace lorp {

// Gives every area whose opacity differs from 1 (by more than the double
// epsilon) a graphics state with that fill and stroke alpha. Areas whose
// opacities agree within the epsilon share the first such state; states are
// appended in arena order of their first area.
void register_opacity_states(const AreaTree& tree, std::vector<PdfExtGState>& states,
                             std::unordered_map<AreaId, std::size_t>& state_of_area);

}  // namespace lorp
