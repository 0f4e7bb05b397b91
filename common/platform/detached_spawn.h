#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace doz::platform {

// Starts `program` with `arguments` as a process of its own session that this process never
// waits for (and never leaves as a zombie). True when the program was executed.
bool spawnDetached(const std::filesystem::path& program, const std::vector<std::string>& arguments);

} // namespace doz::platform
