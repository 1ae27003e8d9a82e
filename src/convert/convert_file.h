#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "error/conversion_error.h"

namespace lorp {

// The input could not be read or was not UTF-8: "Failed to read {}: {}" with
// the input path as given and the failure text.
struct FileReadError {
    std::string message;
};

// The output could not be written: "Failed to write {}: {}".
struct FileWriteError {
    std::string message;
};

// What ended convert_file. File failures are not ConversionErrors: callers
// report them apart (the Python module raises OSError for them and
// RuntimeError for a conversion failure).
using ConvertFileError = std::variant<FileReadError, ConversionError, FileWriteError>;

// Reads `input_path` in full, converts it to the format chosen from
// `output_path` (see output_format_for) and writes the result there. The output
// is opened only after the conversion has succeeded, so a failing conversion
// neither creates nor touches it. Nothing on success.
std::optional<ConvertFileError> convert_file(std::string_view input_path,
                                             std::string_view output_path);

// The message a caller shows for `error`.
std::string display(const ConvertFileError& error);

}  // namespace lorp
