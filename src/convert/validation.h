#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lorp {

// What validate reports: whether the document parses, how many nodes its tree
// holds (0 when it does not parse) and, when it does not, the error message.
struct ValidationResult {
    bool valid = false;
    std::size_t nodes = 0;
    std::optional<std::string> error;
};

// Runs the parse only, so a document that would fail in layout or rendering
// still validates. Never fails: a parse failure is the result.
ValidationResult validate(std::string_view fo_xml);

}  // namespace lorp
