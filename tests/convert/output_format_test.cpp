#include "convert/output_format.h"

#include <gtest/gtest.h>

#include <string>

namespace lorp {
namespace {

struct FormatCase {
    std::string path;
    OutputFormat expected;
};

TEST(OutputFormatTest, ChosenFromTheLastComponentsExtension) {
    const FormatCase cases[] = {
        {"out.svg", OutputFormat::Svg},
        {"out.txt", OutputFormat::Text},
        {"out.pdf", OutputFormat::Pdf},
        {"out", OutputFormat::Pdf},
        {"out.SVG", OutputFormat::Pdf},
        {"out.Txt", OutputFormat::Pdf},
        {"out.", OutputFormat::Pdf},
        {".svg", OutputFormat::Pdf},
        {"dir/.txt", OutputFormat::Pdf},
        {"report.pdf.svg", OutputFormat::Svg},
        {"report.svg.pdf", OutputFormat::Pdf},
        {"..svg", OutputFormat::Svg},
        {"out.svgz", OutputFormat::Pdf},
        {"out.sv", OutputFormat::Pdf},
        {"dir.svg/out", OutputFormat::Pdf},
        {"dir/out.txt", OutputFormat::Text},
        {"/abs/dir/out.svg", OutputFormat::Svg},
        {"out.svg/", OutputFormat::Svg},
        {"out.txt//", OutputFormat::Text},
        {"dir/out.svg/.", OutputFormat::Svg},
        {"dir.svg/..", OutputFormat::Pdf},
        {"..", OutputFormat::Pdf},
        {".", OutputFormat::Pdf},
        {"/", OutputFormat::Pdf},
        {"", OutputFormat::Pdf},
        {"out.\xff\xfe", OutputFormat::Pdf},
        {std::string("out.svg\0x", 9), OutputFormat::Pdf},
    };
    for (const FormatCase& c : cases) {
        EXPECT_EQ(output_format_for(c.path), c.expected) << "path: \"" << c.path << '"';
    }
}

}  // namespace
}  // namespace lorp
