#pragma once

#include <memory>
#include <span>
#include <vector>

#include "error/result.h"
#include "xml/attribute_list.h"

namespace lorp {

class PropertyList;

// Lets the fo headers hold a PropertyList without including the property layer.
struct PropertyListDeleter {
    void operator()(PropertyList* list) const noexcept;
};
using PropertyListPtr = std::unique_ptr<PropertyList, PropertyListDeleter>;

// Makes the PropertyList of one XSL-FO element: a new list linked to the
// enclosing element's list (or to none), filled by the attribute pass and then
// validated. The first validation failure is the result.
class ElementPropertyParser {
public:
    Result<PropertyListPtr> parse(const PropertyList* parent,
                                  std::span<const XmlAttribute> attributes);

private:
    std::vector<char> scratch_;  // reused between elements
};

}  // namespace lorp
