#include "viruveza/generators/atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace doz::generators {

namespace {

std::string Failure(const char* action, const std::filesystem::path& path, int error) {
    return std::string("cannot ") + action + " \"" + path.string() + "\": " + std::strerror(error);
}

// Creates a new temporary file beside `path`; returns its descriptor, or -1 with errno set.
int CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
    const std::string stem = "." + path.filename().string() + ".tmp-" + std::to_string(::getpid()) + "-";
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = path.parent_path() / (stem + std::to_string(attempt));
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool WriteAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view content) {
    std::filesystem::path temporary;
    const int fd = CreateTemporary(path, temporary);
    if (fd < 0)
        return Failure("create", path, errno);

    const bool written = WriteAll(fd, content);
    const int writeError = errno;
    const bool closed = ::close(fd) == 0;
    const int closeError = errno;
    if (!written || !closed) {
        ::unlink(temporary.c_str());
        return Failure("write", path, written ? closeError : writeError);
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const int renameError = errno;
        ::unlink(temporary.c_str());
        return Failure("create", path, renameError);
    }
    return std::nullopt;
}

} // namespace doz::generators
