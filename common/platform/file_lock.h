#pragma once

#include <filesystem>

namespace doz::platform {

// An exclusive flock on a lock file, held until the object dies. The descriptor is not
// inherited by started programs, so a lock never outlives its owner in a child process.
class FileLock {
public:
    enum class Result { Locked, Busy, Failed };
    enum class Mode { Wait, Try };

    FileLock() = default;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
    ~FileLock();

    // Creates the lock file when missing and takes the lock; Busy only in Try mode.
    Result lock(const std::filesystem::path& file, Mode mode);

private:
    int fd_ = -1;
};

} // namespace doz::platform
