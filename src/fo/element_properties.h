#pragma once

#include <span>
#include <vector>

#include "error/result.h"
#include "properties/parse/attribute_pass.h"
#include "xml/attribute_list.h"

namespace lorp {

class PropertyList;

// Fills the new PropertyList of one XSL-FO element: the attribute pass over
// its decoded attributes, then validation of what was stored. The first
// validation failure is the result.
class ElementPropertyParser {
public:
    Status fill(PropertyList& list, std::span<const XmlAttribute> attributes);

private:
    std::vector<AttributeText> texts_;  // reused between elements
};

}  // namespace lorp
