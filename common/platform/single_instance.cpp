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
    // The temporary folder is shared by all users; the user id keeps sessions apart.
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return (error ? std::filesystem::path("/tmp") : temporary) /
           ("dozazar-" + std::to_string(::getuid()) + "-" + fileNamePart(name) + ".lock");
}

SingleInstanceLock::SingleInstanceLock(std::string_view name) {
    switch (lock_.lock(lockFile(name), FileLock::Mode::Try)) {
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
