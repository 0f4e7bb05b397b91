#pragma once
// The path a generated file is written to.

#include <filesystem>

namespace doz::generators {

// ".txt" is appended unless the file name already holds ".txt" somewhere, in any letter case
// ("Code.TXT", "code.txt.c"). Only the file name counts, not the folders above it.
std::filesystem::path WithTxtExtension(const std::filesystem::path& path);

} // namespace doz::generators
