#include "convert/file_access.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "convert/utf8_check.h"

namespace lorp {
namespace {

namespace fs = std::filesystem;

class FileAccessTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::path(::testing::TempDir()) /
               ("lorp_file_access_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string path(const char* name) const { return (dir_ / name).string(); }

    void put(const std::string& file, const std::string& bytes) const {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    static std::string contents(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    fs::path dir_;
};

TEST(Utf8CheckTest, AcceptsOnlyWellFormedUtf8) {
    struct Case {
        std::string bytes;
        bool valid;
    };
    const Case cases[] = {
        {"", true},
        {"plain ascii", true},
        {"\xc3\xa9\xe2\x82\xac\xf0\x9d\x84\x9e", true},  // é € 𝄞
        {"\xef\xbb\xbf<root/>", true},                   // byte order mark
        {"\xf4\x8f\xbf\xbf", true},                      // U+10FFFF
        {"\xed\x9f\xbf", true},                          // U+D7FF, below the surrogates
        {"\x80", false},                                 // lone continuation byte
        {"\xc0\xaf", false},                             // overlong '/'
        {"\xc1\xbf", false},
        {"\xe0\x80\xaf", false},
        {"\xf0\x8f\xbf\xbf", false},
        {"\xed\xa0\x80", false},      // surrogate U+D800
        {"\xf4\x90\x80\x80", false},  // above U+10FFFF
        {"\xf5\x80\x80\x80", false},
        {"\xff", false},
        {"ok\xe2\x82", false},  // cut off at the end
        {"\xe2\x28\xa1", false},
        {std::string("a\0b", 3), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(is_valid_utf8(c.bytes), c.valid) << testing::PrintToString(c.bytes);
    }
}

TEST_F(FileAccessTest, ReadsWholeFilesOfAnySize) {
    std::string big;
    for (int i = 0; big.size() < 300000; ++i) {
        big += "line " + std::to_string(i) + " \xc3\xa9\n";
    }
    for (const std::string& content : {std::string(), std::string("<root/>"), big}) {
        put(path("in.fo"), content);
        auto read = read_utf8_file(path("in.fo"));
        ASSERT_TRUE(std::holds_alternative<std::string>(read));
        EXPECT_EQ(std::get<std::string>(read), content);
    }
}

TEST_F(FileAccessTest, ReadFailuresCarryTheirText) {
    put(path("latin1.fo"), "caf\xe9");
    struct Case {
        std::string path;
        std::string text;
    };
    const Case cases[] = {
        {path("missing.fo"), "No such file or directory (os error 2)"},
        {dir_.string(), "Is a directory (os error 21)"},
        {path("latin1.fo"), "stream did not contain valid UTF-8"},
        {std::string("in\0.fo", 6), "file name contained an unexpected NUL byte"},
    };
    for (const Case& c : cases) {
        auto read = read_utf8_file(c.path);
        ASSERT_TRUE(std::holds_alternative<IoFailure>(read)) << c.path;
        EXPECT_EQ(std::get<IoFailure>(read).text, c.text);
    }
}

TEST_F(FileAccessTest, WriteCreatesOrTruncates) {
    const std::string out = path("out.pdf");
    ASSERT_FALSE(write_whole_file(out, "a much longer first content"));
    ASSERT_FALSE(write_whole_file(out, std::string("%PDF\0\xff", 6)));
    EXPECT_EQ(contents(out), std::string("%PDF\0\xff", 6));
}

TEST_F(FileAccessTest, WriteFailuresCarryTheirText) {
    struct Case {
        std::string path;
        std::string text;
    };
    const Case cases[] = {
        {path("no/such/dir/out.pdf"), "No such file or directory (os error 2)"},
        {dir_.string(), "Is a directory (os error 21)"},
        {std::string("out\0.pdf", 8), "file name contained an unexpected NUL byte"},
    };
    for (const Case& c : cases) {
        auto failure = write_whole_file(c.path, "x");
        ASSERT_TRUE(failure) << c.path;
        EXPECT_EQ(failure->text, c.text);
    }
    EXPECT_FALSE(fs::exists("out"));
}

}  // namespace
}  // namespace lorp
