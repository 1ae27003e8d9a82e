#pragma once

#include <cstddef>
#include <string_view>

namespace lorp {

// What the pull reader hands out, in document order. Comments, processing
// instructions, the XML declaration and the document type declaration never
// appear: the reader reads and discards them.
enum class XmlItemKind {
    StartTag,       // an element starts; an empty-element tag is a StartTag followed by an EndTag
    EndTag,         // an element ends
    Text,           // one character data run, references left as written
    CData,          // the content of one CDATA section, verbatim
    EndOfDocument,  // nothing more; every element has been closed
};

// One item. Every view points into the document buffer given to the reader, so
// an item stays valid as long as that buffer does (not only until the next item).
struct XmlItem {
    XmlItemKind kind = XmlItemKind::EndOfDocument;
    // StartTag, EndTag: the qualified name as written ("fo:block").
    std::string_view name;
    // StartTag: the text between "<" and ">", name and attributes exactly as
    // written, without the closing "/" of an empty-element tag. Its first
    // name.size() bytes are the name. Empty for the other kinds.
    std::string_view raw_tag;
    // Text: the run between two markup items, references as written.
    // CData: the section's content without "<![CDATA[" and "]]>".
    std::string_view text;
    // Byte offset in the document of the item's first byte: the "<" of a tag
    // or section, the first byte of a run, the end of the document. The EndTag
    // of an empty-element tag shares the offset of its StartTag.
    std::size_t offset = 0;
};

}  // namespace lorp
