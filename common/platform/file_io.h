#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace doz::platform {

// The whole content of a file; nullopt when it cannot be opened or read.
std::optional<std::string> readWholeFile(const std::filesystem::path& file);

// The one way the suite replaces a file it owns: `content` goes to a temporary file in the same
// folder, which is flushed to disk and renamed over `file`, and the folder is flushed too, so
// readers (and the file after a crash) see the old file or the new one, never half of one.
// Keeps the permissions of a file it replaces. On any failure `file` is untouched, no
// temporary file is left, and the reason is returned ("cannot write \"/x\": No space left
// on device"); nullopt on success.
std::optional<std::string> replaceFileAtomically(const std::filesystem::path& file, std::string_view content);

// replaceFileAtomically for callers that only need to know whether it worked.
bool writeFileAtomically(const std::filesystem::path& file, std::string_view content);

// Moves `from` to `to` only when `to` does not exist; an existing `to` is never replaced, even
// when another process creates it at the same moment. False (nothing moved) on any failure.
bool moveWithoutReplacing(const std::filesystem::path& from, const std::filesystem::path& to);

} // namespace doz::platform
