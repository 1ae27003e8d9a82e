#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "error/conversion_error.h"

namespace lorp {

// The line and column of a byte offset in the document: 1-based line, 1-based
// column counted in characters (code points). "\n", "\r\n" and a lone "\r" each
// end a line; a leading byte order mark is not counted. Scans from the start of
// the document, so call it only when reporting a failure. An offset past the
// end gives the position just after the last character.
Location location_at(std::string_view document, std::size_t offset);

// The byte offset of `part`, a view into `document`, or document.size() when it
// lies elsewhere.
std::size_t offset_in(std::string_view document, std::string_view part);

// "XML parsing error: {description}" at the place of `offset`.
ConversionError reader_failure(std::string_view document, std::size_t offset,
                               std::string_view description);

}  // namespace lorp
