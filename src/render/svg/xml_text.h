#pragma once

#include <string>
#include <string_view>

namespace lorp {

// Appends UTF-8 text for an XML attribute value or text content: "&", "<",
// ">", the double quote and the apostrophe become entity references, and
// whatever XML 1.0 cannot carry becomes U+FFFD: the control characters other
// than tab, line feed and carriage return, U+FFFE, U+FFFF, and each byte
// that is not part of well-formed UTF-8. The output is always well-formed.
void append_xml_text(std::string& out, std::string_view utf8);

}  // namespace lorp
