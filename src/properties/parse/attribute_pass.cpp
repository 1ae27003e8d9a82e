#include "properties/parse/attribute_pass.h"

#include "properties/parse/value_parser.h"
#include "properties/property_catalogue.h"
#include "properties/shorthand/shorthand.h"

namespace lorp {

namespace {
// Attributes the tree builder reads itself; they are never properties.
bool is_builder_attribute(std::string_view name) {
    for (std::string_view builder :
         {"id", "src", "ref-id", "flow-name", "master-name", "odd-or-even", "page-position",
          "maximum-repeats", "master-reference", "marker-class-name", "retrieve-position",
          "blank-or-not-blank", "retrieve-class-name", "internal-destination",
          "external-destination"}) {
        if (name == builder) {
            return true;
        }
    }
    return false;
}
}  // namespace

Status apply_attributes(PropertyList& list, std::span<const AttributeText> attributes) {
    for (const AttributeText& attribute : attributes) {
        if (is_builder_attribute(attribute.name)) {
            continue;
        }
        PropertyId id = property_id(attribute.name);
        if (!is_catalogued(id)) {
            continue;
        }
        PropertyValue value = parse_value(id, attribute.value);
        if (is_shorthand(id)) {
            expand_shorthand(list, id, value, attribute.value);
        } else {
            list.set(id, std::move(value));
        }
    }
    return ok_status();
}

}  // namespace lorp
