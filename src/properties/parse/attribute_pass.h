#pragma once

#include <span>
#include <string_view>

#include "error/result.h"
#include "properties/property_list.h"

namespace lorp {

// One attribute of a start tag: its name as written (prefix included) and its
// value with references already decoded.
struct AttributeText {
    std::string_view name;
    std::string_view value;
};

// Stores every attribute that names a property into `list`, in document order:
// a later attribute for the same property replaces an earlier one, and
// shorthands are stored as their longhands. Attributes the tree builder reads
// itself ("id", "flow-name", "master-reference" ...) and names that are not
// properties are skipped silently. Never fails: whatever the text, some value
// is stored.
Status apply_attributes(PropertyList& list, std::span<const AttributeText> attributes);

}  // namespace lorp
