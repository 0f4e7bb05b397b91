#include "common/platform/single_instance.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace doz::platform {
namespace {

// A mutex name may hold characters a file name cannot.
std::string fileNamePart(std::string_view name) {
    std::string part(name);
    std::replace_if(
        part.begin(), part.end(), [](char c) { return c == '/' || c == '\0'; }, '_');
    return part;
}

// The session's runtime folder when it names an existing folder; a stale or mistyped value
// falls back to the temporary folder rather than keeping the program from starting.
bool isRuntimeFolder(const char* runtime) {
    std::error_code error;
    return runtime != nullptr && *runtime == '/' && std::filesystem::is_directory(runtime, error);
}

} // namespace

std::filesystem::path SingleInstanceLock::lockFile(std::string_view name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (isRuntimeFolder(runtime))
        return std::filesystem::path(runtime) / ("dozazar-" + fileNamePart(name) + ".lock");
    return temporaryLockFile(name);
}

std::filesystem::path SingleInstanceLock::temporaryLockFile(std::string_view name) {
    // The temporary folder is shared by all users; the user id keeps sessions apart.
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return (error ? std::filesystem::path("/tmp") : temporary) /
           ("dozazar-" + std::to_string(::getuid()) + "-" + fileNamePart(name) + ".lock");
}

// An instance that started while the runtime folder was missing holds only the lock in the
// temporary folder, and the toolkit creates the missing folder as it starts. So an instance
// that finds the folder holds the temporary lock as well, and meets the earlier one there.
SingleInstanceLock::SingleInstanceLock(std::string_view name) {
    const std::filesystem::path own = lockFile(name);
    const std::filesystem::path temporary = temporaryLockFile(name);
    FileLock::Result result = lock_.lock(own, FileLock::Mode::Try);
    if (result != FileLock::Result::Busy && own != temporary) {
        const FileLock::Result shared = temporaryLock_.lock(temporary, FileLock::Mode::Try);
        if (shared == FileLock::Result::Busy || result == FileLock::Result::Failed)
            result = shared;
    }
    switch (result) {
    case FileLock::Result::Locked:
        state_ = State::Acquired;
        break;
    case FileLock::Result::Busy:
        state_ = State::AlreadyRunning;
        break;
    case FileLock::Result::Failed:
        state_ = State::Failed;
        break;
    }
}

// The lock file stays: removing it would let a third instance lock a new file while the
// second still holds the old one.
SingleInstanceLock::~SingleInstanceLock() = default;

} // namespace doz::platform
