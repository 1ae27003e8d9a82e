#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace lorp {

// Why a file could not be read or written: "{} (os error {})" with the
// system's description and error number, or one of the fixed texts
// "file name contained an unexpected NUL byte" and
// "stream did not contain valid UTF-8".
struct IoFailure {
    std::string text;
};

// The whole file at `path`, which must hold UTF-8 text.
std::variant<std::string, IoFailure> read_utf8_file(std::string_view path);

// Creates or truncates the file at `path` and writes `bytes` to it. Nothing on
// success.
std::optional<IoFailure> write_whole_file(std::string_view path, std::string_view bytes);

}  // namespace lorp
