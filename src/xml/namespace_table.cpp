#include "xml/namespace_table.h"

#include <cstring>

#include "xml/attribute_list.h"
#include "xml/attribute_scanner.h"

namespace lorp {

void NamespaceTable::record_namespaces(const XmlItem& start_tag) {
    // Most tags declare nothing; only look closer when "xmlns" appears at all.
    std::string_view rest = start_tag.raw_tag.substr(start_tag.name.size());
    if (rest.find("xmlns") == std::string_view::npos) {
        return;
    }
    AttributeScanner scanner(start_tag);
    RawAttribute raw;
    std::string failure;
    while (scanner.next(raw)) {
        std::string_view prefix;
        if (raw.name == "xmlns") {
            prefix = {};
        } else if (raw.name.starts_with("xmlns:")) {
            prefix = raw.name.substr(6);
        } else {
            continue;
        }
        scratch_.clear();
        if (append_attribute_value(scratch_, raw.value, raw.name, failure)) {
            bind(prefix, scratch_);
        }
    }
}

ResolvedElement NamespaceTable::resolve_element(std::string_view qualified_name) const {
    std::string_view prefix;
    std::string_view local = qualified_name;
    if (std::size_t colon = qualified_name.find(':'); colon != std::string_view::npos) {
        prefix = qualified_name.substr(0, colon);
        local = qualified_name.substr(colon + 1);
    }
    const std::string* uri = lookup(prefix);
    return ResolvedElement{uri != nullptr && *uri == kXslFoNamespace, local};
}

const std::string* NamespaceTable::lookup(std::string_view prefix) const {
    auto it = bindings_.find(prefix);
    return it == bindings_.end() ? nullptr : &it->second;
}

void NamespaceTable::bind(std::string_view prefix, std::string uri) {
    auto it = bindings_.find(prefix);
    if (it != bindings_.end()) {
        it->second = std::move(uri);
    } else {
        bindings_.emplace(std::string(prefix), std::move(uri));
    }
}

}  // namespace lorp
