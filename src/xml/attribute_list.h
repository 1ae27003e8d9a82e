#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "error/result.h"
#include "xml/xml_item.h"

namespace lorp {

// One attribute with its value decoded.
struct XmlAttribute {
    std::string_view name;
    std::string_view value;
};

// Appends `raw_value` to `out` with the five predefined entities and numeric
// character references resolved; white space is kept as written. Returns false
// and sets `failure` to the description when it cannot be decoded: "unknown
// entity &x; in attribute a", "unterminated reference &x in attribute a",
// "invalid character reference &#x; in attribute a" or "'<' in value of
// attribute a".
bool append_attribute_value(std::string& out, std::string_view raw_value,
                            std::string_view attribute_name, std::string& failure);

// The decoded attribute list of a start tag, minus every attribute whose name
// begins with "xmlns". Reuse one list for every tag: it keeps its memory, and a
// value without references is a view into the document, so the common tag
// allocates nothing.
class AttributeList {
public:
    // Replaces the contents with the attributes of `start_tag`, a StartTag
    // read from `document`. Failures are XmlLocated errors worded "Attribute
    // parsing error: {description}" (malformed syntax, see AttributeScanner)
    // or "Attribute value decode error: {description}" (see
    // append_attribute_value). The views stay valid until the next decode.
    Status decode(const XmlItem& start_tag, std::string_view document);

    std::span<const XmlAttribute> items() const { return items_; }
    std::size_t size() const { return items_.size(); }
    const XmlAttribute& operator[](std::size_t i) const { return items_[i]; }

private:
    std::vector<XmlAttribute> items_;
    std::string decoded_;  // storage for the values that held references
    std::string failure_;
};

}  // namespace lorp
