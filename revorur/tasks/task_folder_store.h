#pragma once
// The task folder as the engine's registry key keeps it, read and written whole.

#include <string>

namespace doz::tasks {

// The "Task Folder" value without one trailing separator; the program folder when the key or
// the value is missing (the main window's start-up rule, without its field-size cut).
std::string StartupTaskFolder(const std::string& programFolder);

// Stores the folder as "Task Folder" in the engine's key, only when the key exists (it is never
// created). False when it is missing or the hive cannot be written.
bool StoreTaskFolder(const std::string& folder);

} // namespace doz::tasks
