#include "properties/parse/attribute_pass.h"

namespace lorp {

Status apply_attributes(PropertyList&, std::span<const AttributeText>) { return ok_status(); }

}  // namespace lorp
