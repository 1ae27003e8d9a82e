#include "fo/element_properties.h"

#include "properties/property_list.h"
#include "properties/property_validation.h"

namespace lorp {

void PropertyListDeleter::operator()(PropertyList* list) const noexcept {
    delete list;
}

Result<PropertyListPtr> ElementPropertyParser::parse(const PropertyList* parent,
                                                     std::span<const XmlAttribute> attributes) {
    PropertyListPtr list(new PropertyList(parent));
    (void)attributes;  // the attribute pass is not wired in yet
    if (Status valid = validate_properties(list->slots()); !valid) {
        return std::move(valid).error();
    }
    return list;
}

}  // namespace lorp
