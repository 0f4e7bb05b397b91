#include "revorur/tasks/task_properties.h"

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/tasks/loaded_task.h"
#include "revorur/tasks/operation_table.h"

#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace doz::tasks {

std::string ChannelListText(int operation, std::span<const std::uint16_t> channels) {
    const std::string_view prefix = ChannelPrefix(operation);
    if (prefix.empty())
        return {};
    std::string text;
    for (const std::uint16_t channel : channels) {
        if (!text.empty())
            text += '-';
        text.append(prefix);
        text += std::to_string(channel);
    }
    return text;
}

std::string LastUpdateText(const std::filesystem::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {};
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    ::close(fd);
    if (!known)
        return {};
    const std::time_t modified = info.st_mtime;
    char text[32] = {}; // ctime_r needs 26
    return ::ctime_r(&modified, text) ? std::string(text) : std::string();
}

std::vector<PropertyRow> TaskPropertyRows(const TaskFacts& facts) {
    return {
        {"DAQ TASK", facts.taskName},
        {"Description", facts.description},
        {"Operation", std::string(OperationText(facts.operation))},
        {"Device", std::string(catalogue::DeviceLabelOfType(facts.deviceType))},
        {"Device Index", std::to_string(facts.deviceIndex)},
        {"Channels", ChannelListText(facts.operation, facts.channels)},
        {"Task File", facts.taskFilePath},
        {"Last Update", facts.lastUpdate},
    };
}

bool ReadTaskFacts(const std::string& taskFilePath, const std::string& taskName, TaskFacts& facts) {
    const LoadedTask task(taskFilePath, 0);
    if (!task)
        return false;
    facts.taskName = taskName;
    facts.operation = task.property(RADEZUVI_PROP_OPERATION);
    facts.deviceType = task.property(RADEZUVI_PROP_DEVICE_TYPE);
    facts.deviceIndex = task.property(RADEZUVI_PROP_DEVICE_INDEX);
    facts.description = TaskDescription(taskFilePath);
    facts.channels = task.enabledChannels();
    facts.taskFilePath = taskFilePath;
    facts.lastUpdate = LastUpdateText(taskFilePath);
    return true;
}

} // namespace doz::tasks
