#include "fo/element_properties.h"

#include "properties/property_list.h"
#include "properties/property_validation.h"

namespace lorp {

Status ElementPropertyParser::fill(PropertyList& list, std::span<const XmlAttribute> attributes) {
    texts_.clear();
    for (const XmlAttribute& a : attributes) {
        texts_.push_back({a.name, a.value});
    }
    if (Status applied = apply_attributes(list, texts_); !applied) {
        return applied;
    }
    return validate_properties(list.slots());
}

}  // namespace lorp
