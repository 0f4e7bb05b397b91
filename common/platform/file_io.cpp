#include "common/platform/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace doz::platform {
namespace {

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    // Closes now and reports whether the close succeeded (it can report a failed write).
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string failure(const char* action, const std::filesystem::path& file, int error) {
    return std::string("cannot ") + action + " \"" + file.string() + "\": " + std::strerror(error);
}

std::filesystem::path folderOf(const std::filesystem::path& file) {
    return file.has_parent_path() ? file.parent_path() : ".";
}

// Flushes the folder entry of a renamed file, so the rename itself survives a crash. A folder
// that cannot be opened for this (no read permission) keeps the rename the system made.
void syncFolder(const std::filesystem::path& folder) {
    FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0)
        ::fsync(fd.get());
}

// A new file beside `file` with a name no other file has. It is made with the permissions every
// new file gets (0666 less the process's umask), which a replaced file's own then override.
int createTemporaryBeside(const std::filesystem::path& file, std::filesystem::path& temporary) {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = file.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
                    "-" + std::to_string(seed() % 100000);
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

} // namespace

std::optional<std::string> readWholeFile(const std::filesystem::path& file) {
    FileDescriptor fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        return std::nullopt;
    std::string content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            return content;
        content.append(buffer, static_cast<std::size_t>(got));
    }
}

std::optional<std::string> replaceFileAtomically(const std::filesystem::path& file,
                                                 std::string_view content) {
    // Taken first: nothing after the rename may fail (a failed allocation would report a file
    // that was replaced as not written).
    const std::filesystem::path folder = folderOf(file);
    std::filesystem::path temporary;
    FileDescriptor fd(createTemporaryBeside(file, temporary));
    if (fd.get() < 0)
        return failure("create", file, errno);
    struct stat previous {};
    const bool keepMode = ::stat(file.c_str(), &previous) == 0;
    const bool written = (!keepMode || ::fchmod(fd.get(), previous.st_mode & 07777) == 0) &&
                         writeAll(fd.get(), content) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    const bool closed = fd.close();
    if (!written || !closed) {
        const int error = written ? errno : writeError;
        ::unlink(temporary.c_str());
        return failure("write", file, error);
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return failure("create", file, error);
    }
    syncFolder(folder);
    return std::nullopt;
}

bool writeFileAtomically(const std::filesystem::path& file, std::string_view content) {
    return !replaceFileAtomically(file, content);
}

bool moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // File systems without the no-replace rename: a hard link fails on an existing target.
    if (::link(from.c_str(), to.c_str()) != 0)
        return false;
    if (::unlink(from.c_str()) != 0) {
        ::unlink(to.c_str());
        return false;
    }
    return true;
}

} // namespace doz::platform
