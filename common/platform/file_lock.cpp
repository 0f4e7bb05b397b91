#include "common/platform/file_lock.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace doz::platform {

FileLock::~FileLock() {
    if (fd_ >= 0)
        ::close(fd_);
}

FileLock::Result FileLock::lock(const std::filesystem::path& file, Mode mode) {
    if (fd_ >= 0)
        return Result::Locked;
    // No symlinks: lock files may sit in a shared temporary folder.
    const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return Result::Failed;
    const int operation = mode == Mode::Wait ? LOCK_EX : LOCK_EX | LOCK_NB;
    int status;
    do {
        status = ::flock(fd, operation);
    } while (status != 0 && errno == EINTR);
    if (status != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::Busy : Result::Failed;
    }
    fd_ = fd;
    return Result::Locked;
}

} // namespace doz::platform
