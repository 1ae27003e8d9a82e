#include "convert/convert_file.h"

#include <utility>

#include "convert/conversion.h"
#include "convert/file_access.h"
#include "convert/output_format.h"

namespace lorp {

namespace {

std::string failure_message(std::string_view verb, std::string_view path, const IoFailure& why) {
    std::string message = "Failed to ";
    message += verb;
    message += ' ';
    message += path;
    message += ": ";
    message += why.text;
    return message;
}

}  // namespace

std::optional<ConvertFileError> convert_file(std::string_view input_path,
                                             std::string_view output_path) {
    std::variant<std::string, IoFailure> input = read_utf8_file(input_path);
    if (const IoFailure* failure = std::get_if<IoFailure>(&input)) {
        return FileReadError{failure_message("read", input_path, *failure)};
    }
    const std::string document = std::move(std::get<std::string>(input));

    Result<std::string> output = convert(document, output_format_for(output_path));
    if (!output.ok()) {
        return std::move(output).error();
    }

    if (std::optional<IoFailure> failure = write_whole_file(output_path, output.value())) {
        return FileWriteError{failure_message("write", output_path, *failure)};
    }
    return std::nullopt;
}

std::string display(const ConvertFileError& error) {
    struct Message {
        std::string operator()(const FileReadError& e) const { return e.message; }
        std::string operator()(const ConversionError& e) const { return display(e); }
        std::string operator()(const FileWriteError& e) const { return e.message; }
    };
    return std::visit(Message{}, error);
}

}  // namespace lorp
