// The engine: the simulated machine and the live tasks, by handle.
#pragma once

#include "machine.h"
#include "task.h"
#include "task_definition.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>

namespace radezuvi {

class Engine {
public:
    // The machine comes from the profile that machineProfilePath() names.
    static Engine& instance();

    std::shared_ptr<const Machine> machine() const;
    // Number of problems reported, or RADEZUVI_ERR_FILE (virtual device only).
    std::int32_t useProfile(const std::filesystem::path& path);

    // A new task's handle, or 0 when the card cannot perform the operation, or (openNow) when
    // the card is missing or refuses to open.
    std::uint32_t add(TaskDefinition definition, bool openNow);
    std::shared_ptr<Task> find(std::uint32_t handle) const;
    // Removes the handle; the caller ends the task it gets.
    std::shared_ptr<Task> take(std::uint32_t handle);

    ~Engine();

private:
    Engine();
    std::uint32_t nextHandleLocked();

    mutable std::mutex mutex_;
    std::shared_ptr<const Machine> machine_;
    std::map<std::uint32_t, std::shared_ptr<Task>> tasks_;
    std::uint32_t lastHandle_ = 0;
};

} // namespace radezuvi
