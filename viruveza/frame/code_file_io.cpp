#include "viruveza/frame/code_file_io.h"

#include "common/platform/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace doz::frame {

namespace {

std::string reasonOf(int error) {
    return std::strerror(error);
}

// Why a file cannot be written to `path`: what the folder and the file say about it.
std::string writeFailureReason(const std::filesystem::path& path, int lastError) {
    std::error_code error;
    const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
    if (!std::filesystem::exists(folder, error))
        return "the folder " + folder.string() + " does not exist";
    if (!std::filesystem::is_directory(folder, error))
        return folder.string() + " is not a folder";
    if (std::filesystem::is_directory(path, error))
        return "a folder of that name is in the way";
    if (::access(folder.c_str(), W_OK) != 0)
        return "the folder " + folder.string() + " is read-only (" + reasonOf(errno) + ")";
    return lastError != 0 ? reasonOf(lastError) : "the file cannot be written";
}

} // namespace

ReadResult readCodeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error))
        return {std::nullopt, "it is a folder"};
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {std::nullopt, reasonOf(errno)};
    ::close(fd);
    if (std::optional<std::string> text = platform::readWholeFile(path))
        return {std::move(text), {}};
    return {std::nullopt, reasonOf(errno)};
}

std::optional<std::string> writeCodeFile(const std::filesystem::path& path, std::string_view text) {
    errno = 0;
    if (platform::writeFileAtomically(path, text))
        return std::nullopt;
    return writeFailureReason(path, errno);
}

} // namespace doz::frame
