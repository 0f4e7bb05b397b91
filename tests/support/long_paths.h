// Paths as long as the system allows, named awkwardly, for the tests that store or pass paths.
#pragma once

#include <cstddef>
#include <filesystem>

namespace doz::test {

// A path of exactly `bytes` bytes: `root` followed by folders of at most 200 bytes whose names
// hold blanks, quotes, backslashes and letters beyond ASCII, the last of them `leaf`. Nothing is
// created. Throws std::invalid_argument when root and leaf leave no room.
std::filesystem::path AwkwardPath(const std::filesystem::path& root, std::size_t bytes,
                                  const std::filesystem::path& leaf);

} // namespace doz::test
