#pragma once

#include "common/platform/file_lock.h"

#include <filesystem>
#include <string_view>

namespace doz::platform {

// The named mutex that keeps a program to one instance per user session: an flock on
// "$XDG_RUNTIME_DIR/dozazar-<name>.lock" (or, when that folder is unset or missing, a per-user
// file in the temporary folder), held for the life of the object.
class SingleInstanceLock {
public:
    enum class State { Acquired, AlreadyRunning, Failed };

    explicit SingleInstanceLock(std::string_view name);
    SingleInstanceLock(const SingleInstanceLock&) = delete;
    SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
    ~SingleInstanceLock();

    State state() const { return state_; }

    // Where the lock file of `name` lives: the runtime folder when it exists, else the
    // temporary folder.
    static std::filesystem::path lockFile(std::string_view name);
    // The lock file of `name` in the temporary folder, which every instance holds as well.
    static std::filesystem::path temporaryLockFile(std::string_view name);

private:
    FileLock lock_;
    FileLock temporaryLock_;
    State state_ = State::Failed;
};

} // namespace doz::platform
