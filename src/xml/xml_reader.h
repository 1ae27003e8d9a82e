#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "error/result.h"
#include "xml/xml_item.h"

namespace lorp {

// The pull reader: walks a UTF-8 document held in memory and yields its items
// one at a time, without copying the document. Its settings:
//   - an empty-element tag <a/> yields a StartTag and then an EndTag;
//   - an end tag must name the innermost open element, and whitespace after
//     the name inside it is ignored ("</a  >");
//   - an end tag with no open element is refused;
//   - comment content is not checked ("--" inside a comment is accepted);
//   - an "&" in character data must be closed by ";" before the next "<" or
//     "&"; the references themselves are handed over as written (see
//     expand_references);
//   - a run of XML white space outside every element is not reported; other
//     text and CDATA outside every element are, and so are several top-level
//     elements one after another;
//   - the internal subset of a document type declaration is skipped, and
//     nothing it declares is used;
//   - a leading byte order mark is skipped; the encoding named by the XML
//     declaration is not consulted: the text is always UTF-8.
// Attributes are only delimited while reading (quotes are respected when
// looking for the ">" of a tag); their syntax is checked by AttributeScanner
// and AttributeList, which the caller runs where it needs them, so a malformed
// attribute on an element nobody examines is no failure. Line breaks are
// handed over as written ("\r\n" is not folded).
//
// A caller's loop, roughly:
//   XmlReader reader(document);
//   NamespaceTable namespaces;
//   AttributeList attributes;
//   for (;;) {
//       Result<XmlItem> item = reader.next();
//       if (!item) return std::move(item).error();
//       switch (item->kind) {
//           case XmlItemKind::StartTag:
//               namespaces.record_namespaces(*item);
//               if (namespaces.resolve_element(item->name).is_fo) {
//                   if (Status s = attributes.decode(*item, document); !s) ...
//               }
//               ...
//           case XmlItemKind::Text:  // expand_references, then trim_unicode_whitespace
//           ...
//           case XmlItemKind::EndOfDocument: return ...;
//       }
//   }
//
// Any failure is an XmlLocated error "XML parsing error: {description}" at the
// line and column of the offending byte. The descriptions:
//   "unexpected end of input"                 the document ends with elements open
//   "unexpected end of input in <what>"       the document ends inside a tag, comment,
//                                             CDATA section, processing instruction or
//                                             document type declaration, or markup
//   "expected </x>, found </y>"               end tag does not match the open element
//   "unmatched end tag </y>"                  end tag with no open element
//   "malformed end tag </y>"                  something other than whitespace after the name
//   "malformed start tag <x>"                 the name is followed by something other than
//                                             whitespace, "/>" or ">"
//   "'<' must start a tag name"               a "<" not followed by a name, "/", "!" or "?"
//   "unexpected '<' inside tag <x>"           a "<" outside quotes inside a tag
//   "unknown markup after '<!'"               "<!" not starting a comment, CDATA or DOCTYPE
//   "'&' not closed by ';'"                   a bare ampersand in character data
//   "invalid UTF-8 byte sequence"             the document is not valid UTF-8
//   "NUL character"                           the document contains U+0000 as text
// After a failure, or after EndOfDocument, next() keeps returning the same.
//
// The open elements are kept in a vector, so the nesting depth is bounded only
// by memory.
class XmlReader {
public:
    // `document` must outlive the reader and every item it yields.
    explicit XmlReader(std::string_view document);

    Result<XmlItem> next();

    // The whole document, as given; item offsets index into it.
    std::string_view document() const { return document_; }
    // The number of elements open after the last item.
    std::size_t depth() const { return open_.size(); }

private:
    void set_failure(std::string_view description, std::size_t offset);
    Result<XmlItem> fail(std::string_view description, std::size_t offset);
    Result<XmlItem> read_text();
    Result<XmlItem> read_start_tag();
    Result<XmlItem> read_end_tag();
    Result<XmlItem> read_cdata();
    // Skips markup up to and including `terminator`, searched from `from`.
    // False when the document ends first (the failure is then recorded).
    bool skip_until(std::size_t from, std::string_view terminator, const char* what);
    bool skip_doctype();

    std::string_view document_;
    std::size_t pos_ = 0;
    bool validated_ = false;
    bool pending_end_ = false;  // the last StartTag was an empty-element tag
    std::size_t pending_offset_ = 0;
    std::vector<std::string_view> open_;
    std::optional<ConversionError> failure_;
};

}  // namespace lorp
