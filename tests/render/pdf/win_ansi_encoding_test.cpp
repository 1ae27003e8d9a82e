#include "render/pdf/win_ansi_encoding.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

TEST(WinAnsiEncoding, EncodesEachCharacterAsOneByte) {
    struct Case {
        const char* name;
        std::string_view utf8;
        std::string_view expected;
    };
    const Case cases[] = {
        {"ascii unchanged", "Hello (World) \\ ~\t\n", "Hello (World) \\ ~\t\n"},
        {"empty", "", ""},
        {"latin-1 range", "caf\xC3\xA9 \xC2\xA0\xC3\xBF", "caf\xE9 \xA0\xFF"},
        {"euro and quotes", "\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D", "\x80 \x93q\x94"},
        {"first and last of the 0x80 row", "\xC5\x92\xE2\x84\xA2", "\x8C\x99"},
        {"dash, ellipsis, Y diaeresis", "\xE2\x80\x94\xE2\x80\xA6\xC5\xB8", "\x97\x85\x9F"},
        {"C1 controls are not in the code page", "\xC2\x80\xC2\x9F", "??"},
        {"outside the code page", "\xCE\xA9 \xE4\xB8\xAD", "? ?"},
        {"four-byte character is one ?", "a\xF0\x9F\x98\x80z", "a?z"},
        {"stray continuation byte", "a\x80z", "a?z"},
        {"truncated sequence at the end", "a\xE2\x82", "a??"},
        {"overlong form", "\xC0\xAF", "??"},
        {"encoded surrogate", "\xED\xA0\x80", "???"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "????"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(to_win_ansi(c.utf8), c.expected) << c.name;
    }
}

TEST(WinAnsiEncoding, AppendsToExistingText) {
    std::string out = "(";
    append_win_ansi(out, "\xC3\xBC");
    EXPECT_EQ(out, "(\xFC");
}

}  // namespace
}  // namespace lorp
