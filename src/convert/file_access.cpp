#include "convert/file_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <system_error>

#include "convert/utf8_check.h"
#include "types/number_text.h"

namespace lorp {

namespace {

IoFailure os_failure(int error_number) {
    IoFailure failure{std::system_category().message(error_number)};
    failure.text += " (os error ";
    append_integer(failure.text, error_number);
    failure.text += ')';
    return failure;
}

bool has_nul(std::string_view path) {
    return path.find('\0') != std::string_view::npos;
}

IoFailure nul_in_name() {
    return IoFailure{"file name contained an unexpected NUL byte"};
}

// Closes on every path out of the reading and writing loops.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    int get() const { return fd_; }
    // Closes now, so that a failure of the final flush can be reported.
    int close() {
        const int result = ::close(fd_);
        fd_ = -1;
        return result;
    }

private:
    int fd_;
};

}  // namespace

std::variant<std::string, IoFailure> read_utf8_file(std::string_view path) {
    if (has_nul(path)) {
        return nul_in_name();
    }
    const std::string name(path);
    int fd;
    do {
        fd = ::open(name.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return os_failure(errno);
    }
    FileDescriptor file(fd);

    // The size is only a hint (the file may change, or not be a regular
    // file): read until the end, growing geometrically.
    struct stat info {};
    std::size_t hint = 0;
    if (::fstat(file.get(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        hint = static_cast<std::size_t>(info.st_size);
    }
    std::string content(std::max<std::size_t>(hint + 1, 8192), '\0');
    std::size_t filled = 0;
    for (;;) {
        if (filled == content.size()) {
            content.resize(content.size() * 2);
        }
        const ssize_t got = ::read(file.get(), content.data() + filled, content.size() - filled);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            return os_failure(errno);
        }
        if (got == 0) {
            break;
        }
        filled += static_cast<std::size_t>(got);
    }
    content.resize(filled);
    if (!is_valid_utf8(content)) {
        return IoFailure{"stream did not contain valid UTF-8"};
    }
    return content;
}

std::optional<IoFailure> write_whole_file(std::string_view path, std::string_view bytes) {
    if (has_nul(path)) {
        return nul_in_name();
    }
    const std::string name(path);
    int fd;
    do {
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) {
        return os_failure(errno);
    }
    FileDescriptor file(fd);
    while (!bytes.empty()) {
        const ssize_t put = ::write(file.get(), bytes.data(), bytes.size());
        if (put < 0) {
            if (errno == EINTR) {
                continue;
            }
            return os_failure(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(put));
    }
    if (file.close() != 0 && errno != EINTR) {
        return os_failure(errno);
    }
    return std::nullopt;
}

}  // namespace lorp
