#include "render/pdf/opacity_states.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace lorp {

void register_opacity_states(const AreaTree& tree, std::vector<PdfExtGState>& states,
                             std::unordered_map<AreaId, std::size_t>& state_of_area) {
    constexpr double kEpsilon = std::numeric_limits<double>::epsilon();
    // The alphas of the states made here, ordered, so that finding a state
    // within the epsilon costs a logarithm rather than a scan of the list.
    std::multimap<double, std::size_t> by_alpha;
    for (AreaId id = 0; id < tree.size(); ++id) {
        const std::optional<double>& opacity = tree.get(id).traits->opacity;
        if (!opacity || !(std::fabs(*opacity - 1) > kEpsilon)) {
            continue;
        }
        const double alpha = *opacity;
        std::size_t found = states.size();
        for (auto it = by_alpha.lower_bound(alpha - kEpsilon);
             it != by_alpha.end() && it->first <= alpha + kEpsilon; ++it) {
            found = std::min(found, it->second);  // the earliest matching state
        }
        if (found == states.size()) {
            states.push_back(PdfExtGState{alpha, alpha});
            by_alpha.emplace(alpha, found);
        }
        state_of_area.emplace(id, found);
    }
}

}  // namespace lorp
