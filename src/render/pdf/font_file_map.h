#pragma once

#include <map>
#include <string>

namespace lorp {

// Font-family name to the path of a TrueType file to embed for it.
using FontFileMap = std::map<std::string, std::string>;

}  // namespace lorp
