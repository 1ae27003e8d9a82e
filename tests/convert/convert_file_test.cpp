#include "convert/convert_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "convert/conversion.h"
#include "convert/output_format.h"

namespace lorp {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

constexpr const char* kDocument =
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">"
    "<fo:layout-master-set><fo:simple-page-master master-name=\"A4\">"
    "<fo:region-body/></fo:simple-page-master></fo:layout-master-set>"
    "<fo:page-sequence master-reference=\"A4\"><fo:flow flow-name=\"xsl-region-body\">"
    "<fo:block>Hello</fo:block></fo:flow></fo:page-sequence></fo:root>";

class ConvertFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("lorp_convert_file_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        input_ = path("in.fo");
        put(input_, kDocument);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }
    static void put(const std::string& file, const std::string& bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
    std::string input_;
};

TEST_F(ConvertFileTest, ReadFailuresNameTheInputAndCreateNoOutput) {
    put(path("latin1.fo"), "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">caf\xe9");
    struct Case {
        std::string input;
        std::string message;
    };
    const Case cases[] = {
        {path("missing.fo"),
         "Failed to read " + path("missing.fo") + ": No such file or directory (os error 2)"},
        {path("latin1.fo"),
         "Failed to read " + path("latin1.fo") + ": stream did not contain valid UTF-8"},
        {"in\0.fo"s, "Failed to read in\0.fo: file name contained an unexpected NUL byte"s},
    };
    const std::string output = path("out.pdf");
    for (const Case& c : cases) {
        auto error = convert_file(c.input, output);
        ASSERT_TRUE(error);
        ASSERT_TRUE(std::holds_alternative<FileReadError>(*error)) << display(*error);
        EXPECT_EQ(display(*error), c.message);
        EXPECT_FALSE(fs::exists(output));
    }
}

TEST_F(ConvertFileTest, ConversionFailureNeitherCreatesNorTouchesTheOutput) {
    const std::string malformed = path("malformed.fo");
    put(malformed, "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block></fo:root>");
    const std::string existing = path("existing.pdf");
    put(existing, "keep me");
    for (const std::string& output : {path("fresh.pdf"), existing, path("fresh.svg")}) {
        auto error = convert_file(malformed, output);
        ASSERT_TRUE(error);
        EXPECT_TRUE(std::holds_alternative<ConversionError>(*error)) << display(*error);
    }
    EXPECT_FALSE(fs::exists(path("fresh.pdf")));
    EXPECT_FALSE(fs::exists(path("fresh.svg")));
    EXPECT_EQ(contents(existing), "keep me");
}

TEST_F(ConvertFileTest, WritesWhatTheConversionOfTheChosenFormatReturns) {
    struct Case {
        const char* name;
        OutputFormat format;
    };
    const Case cases[] = {{"out.pdf", OutputFormat::Pdf},
                          {"out.svg", OutputFormat::Svg},
                          {"out.txt", OutputFormat::Text},
                          {"out.SVG", OutputFormat::Pdf}};
    for (const Case& c : cases) {
        const std::string output = path(c.name);
        put(output, std::string(100000, 'x'));  // truncated, not overwritten in place
        auto error = convert_file(input_, output);
        ASSERT_FALSE(error) << display(*error);
        Result<std::string> expected = convert(kDocument, c.format);
        ASSERT_TRUE(expected.ok());
        EXPECT_EQ(contents(output), expected.value()) << c.name;
    }
}

TEST_F(ConvertFileTest, WriteFailureComesAfterTheConversion) {
    const std::string output = path("no/such/dir/out.pdf");
    auto error = convert_file(input_, output);
    ASSERT_TRUE(error);
    ASSERT_TRUE(std::holds_alternative<FileWriteError>(*error)) << display(*error);
    EXPECT_EQ(display(*error),
              "Failed to write " + output + ": No such file or directory (os error 2)");

    auto nul = convert_file(input_, "out\0.pdf"s);
    ASSERT_TRUE(nul);
    EXPECT_EQ(display(*nul),
              "Failed to write out\0.pdf: file name contained an unexpected NUL byte"s);
}

}  // namespace
}  // namespace lorp
