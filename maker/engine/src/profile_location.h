// Where the engine finds its machine profile: the file named by RADEZUVI_MACHINE, else the
// "Machine Profile" value of the engine's registry key, else the demo profile installed with
// the suite.
#pragma once

#include <filesystem>
#include <optional>

namespace radezuvi {

std::filesystem::path machineProfilePath();

// The demo profile installed beside the library or the program; nullopt if none.
std::optional<std::filesystem::path> demoProfilePath();

// The registry's choice, or nullopt when the key or value is missing.
std::optional<std::filesystem::path> registryProfilePath();

} // namespace radezuvi
