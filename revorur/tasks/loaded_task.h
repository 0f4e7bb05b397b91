#pragma once
// A task loaded from a task file for as long as it is looked at, and the few things the task
// manager reads from it through the engine. A negative engine result reads as "nothing".

#include "maker/engine/radezuvi_engine.h"

#include <cstdint>
#include <string>
#include <vector>

namespace doz::tasks {

class LoadedTask {
public:
    // Radezuvi_LoadTask(path, openNow); the handle is 0 when the file does not load.
    LoadedTask(const std::string& path, int openNow);
    ~LoadedTask();
    LoadedTask(const LoadedTask&) = delete;
    LoadedTask& operator=(const LoadedTask&) = delete;

    explicit operator bool() const { return handle_ != 0; }
    Radezuvi_Handle handle() const { return handle_; }

    int property(int id) const;
    // The enabled channels in the engine's order; empty when there are none or the engine fails.
    std::vector<std::uint16_t> enabledChannels() const;

private:
    Radezuvi_Handle handle_;
};

// Element 2 of the task file's code-generation list, at most 2047 bytes; empty when the list
// does not load or the element is missing.
std::string TaskDescription(const std::string& path);

// The operation code of a task file, for picking its code template: loaded with its card opened,
// else (its card is not installed here) only read; 0 when the file does not load at all.
int TaskOperationForCode(const std::string& path);

} // namespace doz::tasks
