#pragma once

#include <string>
#include <string_view>

namespace lorp {

// Text shown with the built-in Helvetica is stored as Windows-1252 bytes, the
// encoding its font object declares (/WinAnsiEncoding). Each character of the
// UTF-8 input becomes its one Windows-1252 byte; a character the code page
// cannot hold, and each malformed UTF-8 byte, becomes "?". ASCII is unchanged.
void append_win_ansi(std::string& out, std::string_view utf8);
std::string to_win_ansi(std::string_view utf8);

}  // namespace lorp
