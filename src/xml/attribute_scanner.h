#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "xml/xml_item.h"

namespace lorp {

// One attribute of a start tag as written.
struct RawAttribute {
    std::string_view name;
    std::string_view value;  // between the quotes, references not resolved
};

// Walks the attributes of a StartTag in document order, without allocating.
// The syntax is `name = "value"` or `name = 'value'`, whitespace allowed around
// "=", at least one whitespace character between attributes. Scanning stops at
// the first malformed attribute; malformed() then tells that it stopped early
// and failure() describes why ("attribute x has no value", "value of attribute
// x is not quoted", "missing whitespace after attribute x", "invalid attribute
// name starting with 'c'").
class AttributeScanner {
public:
    explicit AttributeScanner(const XmlItem& start_tag);

    // Fills `out` and returns true, or returns false at the end of the tag or
    // at a malformed attribute.
    bool next(RawAttribute& out);

    bool malformed() const { return !failure_.empty(); }
    const std::string& failure() const { return failure_; }
    // Where the failure was detected: a pointer into the tag text.
    const char* failure_at() const { return failure_at_; }

private:
    bool fail(std::string description, const char* at);

    const char* pos_;
    const char* end_;
    std::string failure_;
    const char* failure_at_ = nullptr;
};

}  // namespace lorp
