// Task files (*.tsk): versioned text holding a task's definition. The format is described in
// maker/engine/README.md.
#pragma once

#include "task_definition.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace radezuvi {

inline constexpr int kTaskFileVersion = 1;
inline constexpr std::size_t kMaxTaskFileBytes = 1024 * 1024;

// nullopt for anything but a complete, well-formed task file of a version this engine reads.
std::optional<TaskDefinition> parseTaskFile(std::string_view text);
std::optional<TaskDefinition> readTaskFile(const std::filesystem::path& path);

std::string formatTaskFile(const TaskDefinition& definition);
// Replaces the file atomically, so it is never left half written; false when it cannot.
bool writeTaskFile(const std::filesystem::path& path, const TaskDefinition& definition);

} // namespace radezuvi
