#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "error/result.h"

namespace lorp {

// The replacement text of one of the five predefined entities (amp, lt, gt,
// quot, apos), or an empty view for any other name. Entities declared in a
// document type declaration are never added.
std::string_view predefined_entity(std::string_view name);

// Why a reference name could not be resolved.
enum class ReferenceFailure {
    None,
    InvalidHexadecimal,  // "#x"/"#X" then not a hexadecimal scalar value
    InvalidDecimal,      // "#" then not a decimal scalar value
    UnknownEntity,       // a name that is not a predefined entity
};

// Resolves the reference &{name}; and appends its replacement to `out`.
// Character references: "#" then decimal digits, or "#x"/"#X" then hexadecimal
// digits (either case), each optionally after one "+", naming a Unicode scalar
// value (at most 10FFFF, not D800 to DFFF; 0 is one). Any other name, the empty
// one included, is looked up among the predefined entities.
ReferenceFailure resolve_reference(std::string_view name, std::string& out);

// Appends `text`, a character data run, to `out` with its references replaced.
// A replacement is not scanned again ("&amp;lt;" gives "&lt;"). A failure is an
// EntityResolution error at the line and column of the "&" that begins the bad
// reference, worded "Unterminated entity reference: &{name so far}",
// "Invalid hexadecimal character reference: {name}", "Invalid decimal
// character reference: {name}" or "Unknown entity: &{name};". `document` is the
// document that `text` is a view into, used only to place a failure (pass
// `text` itself when there is no larger document).
Status append_expanded(std::string& out, std::string_view text, std::string_view document);

// append_expanded into a fresh string.
Result<std::string> expand_references(std::string_view text, std::string_view document);

}  // namespace lorp
