#include "xml/attribute_list.h"

#include <cstring>

#include "xml/attribute_scanner.h"
#include "xml/entity_references.h"
#include "xml/text_location.h"

namespace lorp {

bool append_attribute_value(std::string& out, std::string_view raw_value,
                            std::string_view attribute_name, std::string& failure) {
    std::size_t pos = 0;
    while (pos < raw_value.size()) {
        std::size_t at = raw_value.find_first_of("&<", pos);
        if (at == std::string_view::npos) {
            out.append(raw_value.substr(pos));
            break;
        }
        out.append(raw_value.substr(pos, at - pos));
        if (raw_value[at] == '<') {
            failure = "'<' in value of attribute " + std::string(attribute_name);
            return false;
        }
        std::size_t semicolon = raw_value.find(';', at + 1);
        std::size_t next_amp = raw_value.find('&', at + 1);
        if (semicolon == std::string_view::npos || next_amp < semicolon) {
            std::size_t stop = std::min(next_amp, raw_value.size());
            failure = "unterminated reference &" +
                      std::string(raw_value.substr(at + 1, stop - at - 1)) + " in attribute " +
                      std::string(attribute_name);
            return false;
        }
        std::string_view name = raw_value.substr(at + 1, semicolon - at - 1);
        switch (resolve_reference(name, out)) {
            case ReferenceFailure::None:
                break;
            case ReferenceFailure::InvalidHexadecimal:
            case ReferenceFailure::InvalidDecimal:
                failure = "invalid character reference &" + std::string(name) + "; in attribute " +
                          std::string(attribute_name);
                return false;
            case ReferenceFailure::UnknownEntity:
                failure = "unknown entity &" + std::string(name) + "; in attribute " +
                          std::string(attribute_name);
                return false;
        }
        pos = semicolon + 1;
    }
    return true;
}

Status AttributeList::decode(const XmlItem& start_tag, std::string_view document) {
    items_.clear();
    decoded_.clear();
    // A resolved reference is never longer than the reference itself, so the
    // decoded values of one tag fit in the tag's size: with this much reserved
    // `decoded_` never reallocates below, and views into it stay valid.
    decoded_.reserve(start_tag.raw_tag.size());
    AttributeScanner scanner(start_tag);
    RawAttribute raw;
    while (scanner.next(raw)) {
        if (raw.name.starts_with("xmlns")) {
            continue;
        }
        if (std::memchr(raw.value.data(), '&', raw.value.size()) == nullptr &&
            std::memchr(raw.value.data(), '<', raw.value.size()) == nullptr) {
            items_.push_back({raw.name, raw.value});
            continue;
        }
        const std::size_t begin = decoded_.size();
        if (!append_attribute_value(decoded_, raw.value, raw.name, failure_)) {
            items_.clear();
            return ConversionError::xml_located(
                "Attribute value decode error: " + failure_,
                location_at(document, offset_in(document, raw.name)));
        }
        items_.push_back({raw.name, std::string_view(decoded_).substr(begin)});
    }
    if (scanner.malformed()) {
        items_.clear();
        std::size_t offset = offset_in(document, std::string_view(scanner.failure_at(), 0));
        return ConversionError::xml_located("Attribute parsing error: " + scanner.failure(),
                                            location_at(document, offset));
    }
    return ok_status();
}

}  // namespace lorp
