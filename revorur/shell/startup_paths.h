#pragma once
// The folders the main window reads from the engine's registry key at start-up.

#include "common/platform/fixed_text.h"

#include <string>
#include <string_view>

namespace doz::shell {

inline constexpr std::string_view RadezuviKey = "SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion";

// Folder of the running program, without a trailing separator.
std::string ProgramFolderOf(std::string_view programFile);

struct StartupPaths {
    platform::PathField taskFolder;
    std::string aliasIniPath;
    bool aliasStoreRegistered = false; // false: the alias functions stay off
};

// Task folder: the "Task Folder" value without one trailing separator; when the key or value is
// missing, the program folder, stored back only into a key that already exists.
// Alias store: the folder of the "Path" value, joined with a separator when it has none, followed
// by "Task Manager/DeviceName.ini"; without the key or its "Path" value, the store beside the
// program, and the alias functions stay off.
StartupPaths ReadStartupPaths(std::string_view programFolder);

// A stored path with Windows separators made native.
std::string NativePath(std::string_view storedPath);

} // namespace doz::shell
