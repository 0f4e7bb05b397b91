// Whole-file reads and writes of test inputs and outputs.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace doz::test {

// The file's bytes; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// Replaces the file's content with the bytes given; throws when the file cannot be written, so
// a test never goes on with an input it does not have.
void WriteFile(const std::filesystem::path& path, std::string_view content);

} // namespace doz::test
