#include "revorur/tasks/loaded_task.h"

#include <algorithm>
#include <memory>

namespace doz::tasks {

LoadedTask::LoadedTask(const std::string& path, int openNow)
    : handle_(Radezuvi_LoadTask(path.c_str(), openNow)) {}

LoadedTask::~LoadedTask() {
    if (handle_ != 0)
        Radezuvi_EndTask(handle_);
}

int LoadedTask::property(int id) const {
    return Radezuvi_GetPropertyI4(handle_, id);
}

std::vector<std::uint16_t> LoadedTask::enabledChannels() const {
    std::uint16_t* list = nullptr;
    const int count = Radezuvi_GetEnabledChannelList(handle_, &list);
    std::vector<std::uint16_t> channels;
    if (count > 0 && list)
        channels.assign(list, list + count);
    Radezuvi_FreeChannelList(list);
    return channels;
}

std::string TaskDescription(const std::string& path) {
    constexpr int bufferSize = 2048;
    const std::unique_ptr<Radezuvi_CodeGenList, decltype(&FreeCodeGenListFN)> list(
        CodeGenLoadFromFileFN(path.c_str()), &FreeCodeGenListFN);
    if (!list)
        return {};
    char buffer[bufferSize] = {};
    const int length = GetCodeGenElementFN(list.get(), 2, 0, buffer, bufferSize);
    if (length <= 0)
        return {};
    return std::string(buffer, static_cast<std::size_t>(std::min(length, bufferSize - 1)));
}

int TaskOperationForCode(const std::string& path) {
    for (const int openNow : {1, 0}) {
        const LoadedTask task(path, openNow);
        if (task)
            return task.property(RADEZUVI_PROP_OPERATION);
    }
    return 0;
}

} // namespace doz::tasks
