#pragma once
// Reading and writing code files with the reason of a failure, for the message window.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace doz::frame {

struct ReadResult {
    std::optional<std::string> text; // the whole file; nullopt on failure
    std::string failure;             // why it could not be read
};

ReadResult readCodeFile(const std::filesystem::path& path);

// Writes the whole file atomically (temporary file and rename); the reason on failure, when
// the file is left as it was.
std::optional<std::string> writeCodeFile(const std::filesystem::path& path, std::string_view text);

} // namespace doz::frame
