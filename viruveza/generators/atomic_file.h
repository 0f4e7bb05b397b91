#pragma once
// Writing a whole file at once: readers see the old file or the new one, never a part.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace doz::generators {

// Writes `content` to a temporary file beside `path` and renames it over `path`. On failure
// no file is left behind and the reason is returned; on success nothing is.
std::optional<std::string> WriteFileAtomically(const std::filesystem::path& path, std::string_view content);

} // namespace doz::generators
