// libFuzzer target: any bytes as a document. Drives the reader to its end or
// its first failure and hands every item to what the tree builder would call:
// namespace recording and resolution, attribute decoding, reference expansion
// and both trims. Beyond the sanitizers it checks that the reader always ends
// (each item but a synthesized end tag consumes input) and that every view it
// hands out lies inside the document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "xml/attribute_list.h"
#include "xml/entity_references.h"
#include "xml/namespace_table.h"
#include "xml/text_location.h"
#include "xml/whitespace.h"
#include "xml/xml_reader.h"

namespace {

void check_inside(std::string_view document, std::string_view part) {
    if (!part.empty() && lorp::offset_in(document, part) == document.size()) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view document(reinterpret_cast<const char*>(data), size);
    lorp::XmlReader reader(document);
    lorp::NamespaceTable namespaces;
    lorp::AttributeList attributes;
    std::string text;
    // At most one item per byte, one synthesized end tag per start tag, and
    // the end of the document.
    for (std::size_t budget = 2 * size + 2;; --budget) {
        if (budget == 0) {
            std::abort();
        }
        lorp::Result<lorp::XmlItem> item = reader.next();
        if (!item.ok()) {
            if (lorp::display(item.error()).rfind("XML parsing error at line ", 0) != 0) {
                std::abort();
            }
            break;
        }
        check_inside(document, item->name);
        check_inside(document, item->raw_tag);
        check_inside(document, item->text);
        switch (item->kind) {
            case lorp::XmlItemKind::StartTag: {
                namespaces.record_namespaces(*item);
                (void)namespaces.resolve_element(item->name);
                lorp::Status status = attributes.decode(*item, document);
                if (status.ok()) {
                    for (const lorp::XmlAttribute& a : attributes.items()) {
                        check_inside(document, a.name);
                    }
                }
                break;
            }
            case lorp::XmlItemKind::Text: {
                text.clear();
                if (lorp::append_expanded(text, item->text, document).ok()) {
                    (void)lorp::trim_unicode_whitespace(text);
                }
                text.clear();
                (void)lorp::append_expanded(text, lorp::strip_xml_whitespace(item->text), document);
                break;
            }
            case lorp::XmlItemKind::CData:
            case lorp::XmlItemKind::EndTag:
                break;
            case lorp::XmlItemKind::EndOfDocument:
                return 0;
        }
    }
    return 0;
}
