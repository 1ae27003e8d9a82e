#pragma once

#include <string>

#include "layout/area/area_tree.h"

namespace lorp {

// The text of every page in reading order: a form feed and "--- Page N ---"
// heading before every page after the first, header and footer text set off
// by rules, footnotes marked "[Footnote]". Trailing white space is dropped and
// a non-empty result ends with exactly one line feed. Cannot fail.
std::string render_text(const AreaTree& tree);

}  // namespace lorp
