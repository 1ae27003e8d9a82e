#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "xml/xml_item.h"

namespace lorp {

// The one namespace that makes an element a formatting object.
inline constexpr std::string_view kXslFoNamespace = "http://www.w3.org/1999/XSL/Format";

// What resolve_element tells about a qualified name.
struct ResolvedElement {
    bool is_fo = false;           // bound to the XSL-FO namespace
    std::string_view local_name;  // the part after the first ":", or the whole name
};

// Prefix to namespace URI for one parse; the empty prefix is the default
// namespace. It starts empty. Bindings are added or replaced, never removed:
// a declaration stays in force after its element ends, to the end of the
// document.
class NamespaceTable {
public:
    // Records the declarations of a start tag: "xmlns" binds the empty prefix,
    // "xmlns:p" binds p (possibly empty), each to the decoded value. A later
    // binding of a prefix replaces the earlier one. Declarations whose value
    // cannot be decoded, and everything from a malformed attribute on, are
    // skipped silently.
    void record_namespaces(const XmlItem& start_tag);

    // Splits at the first ":" and looks the prefix up. An unbound prefix or
    // an unbound default namespace is no namespace, which is foreign, not an
    // error.
    ResolvedElement resolve_element(std::string_view qualified_name) const;

    // The URI bound to `prefix`, or nullptr.
    const std::string* lookup(std::string_view prefix) const;

    void bind(std::string_view prefix, std::string uri);

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const {
            return std::hash<std::string_view>{}(s);
        }
    };
    std::unordered_map<std::string, std::string, Hash, std::equal_to<>> bindings_;
    std::string scratch_;
};

}  // namespace lorp
