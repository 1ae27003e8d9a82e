#pragma once

// Running the real PDF and SVG readers installed on the machine over our files.

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace lorp::reader_tools {

inline bool installed(const std::string& tool) {
    return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

struct CommandResult {
    int status = -1;
    std::string output;  // stdout and stderr together
};

inline CommandResult run(const std::string& command) {
    CommandResult result;
    FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return result;
    }
    char buffer[4096];
    std::size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        result.output.append(buffer, n);
    }
    int status = pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// A file in the test's temporary directory, removed again at the end.
class TempFile {
public:
    TempFile(const std::string& bytes, const std::string& extension) {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        path_ = ::testing::TempDir() + "lorp_" + info->name() + "_" + std::to_string(getpid()) +
                extension;
        std::ofstream(path_, std::ios::binary) << bytes;
    }
    ~TempFile() { std::remove(path_.c_str()); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace lorp::reader_tools
