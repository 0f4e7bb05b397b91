#pragma once
// The property rows of a task as the task list shows them.

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace doz::tasks {

// Channel numbers written with the operation's prefix and joined by "-" ("AI0-AI1-AI5"); empty
// without channels or for an operation that has no prefix.
std::string ChannelListText(int operation, std::span<const std::uint16_t> channels);

// The file's last modification in the C library's ctime form ("Www Mmm dd hh:mm:ss yyyy\n");
// empty when the file cannot be opened for reading.
std::string LastUpdateText(const std::filesystem::path& file);

using PropertyRow = std::pair<std::string, std::string>;

struct TaskFacts {
    std::string taskName;
    std::string description;
    int operation = 0;
    int deviceType = 0;
    int deviceIndex = 0;
    std::vector<std::uint16_t> channels;
    std::string taskFilePath;
    std::string lastUpdate;
};

// "DAQ TASK", "Description", "Operation", "Device", "Device Index", "Channels", "Task File",
// "Last Update", in that order.
std::vector<PropertyRow> TaskPropertyRows(const TaskFacts& facts);

// What the engine and the file system tell of a task file; false when the file does not load.
bool ReadTaskFacts(const std::string& taskFilePath, const std::string& taskName, TaskFacts& facts);

} // namespace doz::tasks
