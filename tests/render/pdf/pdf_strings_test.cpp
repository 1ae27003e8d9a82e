#include "render/pdf/pdf_strings.h"

#include <gtest/gtest.h>

namespace lorp {
namespace {

TEST(PdfStrings, LiteralStringEscapesOnlyTheFiveSpecialBytes) {
    struct Case {
        std::string_view text;
        std::string_view written;
    };
    const Case cases[] = {
        {"", "()"},
        {"plain", "(plain)"},
        {"a(b)c\\d", "(a\\(b\\)c\\\\d)"},
        {"\\(", "(\\\\\\()"},  // backslash is doubled before the parenthesis gets its own
        {"line\r\nnext", "(line\\r\\nnext)"},
        {"tab\tstays", "(tab\tstays)"},
        {"caf\xC3\xA9", "(caf\xC3\xA9)"},  // UTF-8 bytes pass unchanged
        {std::string_view("nul\0byte", 8), std::string_view("(nul\0byte)", 10)},
    };
    for (const auto& c : cases) {
        std::string out = "x";
        append_literal_string(out, c.text);
        EXPECT_EQ(out, "x" + std::string(c.written)) << c.text;
    }
}

TEST(PdfStrings, HexStringUsesTwoUpperCaseDigitsPerByte) {
    std::string out;
    append_hex_string(out, std::string_view("\x01\xAB\x00\xFF", 4));
    EXPECT_EQ(out, "<01AB00FF>");
    out.clear();
    append_hex_string(out, "");
    EXPECT_EQ(out, "<>");
}

}  // namespace
}  // namespace lorp
