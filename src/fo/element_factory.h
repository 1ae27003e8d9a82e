#pragma once

#include <memory>
#include <span>
#include <string_view>

#include "error/result.h"
#include "fo/fo_node_data.h"
#include "xml/attribute_list.h"

namespace lorp {

// Makes the node data of an XSL-FO element from its local name, its decoded
// attributes in document order and its already parsed PropertyList (may be
// null). The result holds the list only for the kinds that keep one; the
// caller releases it otherwise.
// Fails with "Unknown FO element: {}" for a name outside the catalogue and with
// a missing-attribute error when a required attribute is absent (an empty
// value is present). Typed attribute values never fail: unusable ones fall back.
Result<FoElementData> make_node_data(std::string_view local_name,
                                     std::span<const XmlAttribute> attributes,
                                     PropertyList* properties);

// The typed-attribute conversions, exposed for their own tests.

// Optional sign then decimal digits; absent on overflow or any other character.
std::optional<std::int32_t> parse_signed_32(std::string_view value);
// Optional "+" then decimal digits; absent on "-", overflow or any other character.
std::optional<std::uint64_t> parse_unsigned_64(std::string_view value);
// The first Unicode character of a UTF-8 value; absent when it is empty.
std::optional<char32_t> first_character(std::string_view value);

}  // namespace lorp
