#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace doz::platform {

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// Replaces `file` by `content` through a temporary file in the same folder and a rename, so
// readers see the old or the new file and never half of one. Keeps the permissions of a file
// it replaces. False (and `file` untouched) on any failure.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view content);

} // namespace doz::platform
