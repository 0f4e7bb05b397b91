#include "engine.h"

#include "channel_limits.h"
#include "profile_location.h"

#include <algorithm>
#include <iostream>

namespace radezuvi {

namespace {

std::shared_ptr<const Machine> loadMachine(const std::filesystem::path& path) {
    if (path.empty()) {
        std::cerr << "Radezuvi: no machine profile found, only the virtual device is installed\n";
        return std::make_shared<const Machine>(virtualOnlyProfile());
    }
    const auto profile = readMachineProfile(path, std::cerr);
    return std::make_shared<const Machine>(profile ? *profile : virtualOnlyProfile());
}

// The card must be able to perform the operation, and a task file's channels must exist on it.
bool fitsCard(const TaskDefinition& definition, const OperationInfo& operation) {
    const DeviceEntry* entry = entryOfType(definition.typeCode);
    if (!entry) {
        return false;
    }
    const int limit = channelLimit(entry->caps, operation);
    return limit > 0 && std::all_of(definition.channels.begin(), definition.channels.end(),
                                    [&](std::uint16_t channel) { return channel < limit; });
}

} // namespace

Engine& Engine::instance() {
    static Engine engine;
    return engine;
}

Engine::Engine() : machine_(loadMachine(machineProfilePath())) {}

Engine::~Engine() {
    std::map<std::uint32_t, std::shared_ptr<Task>> left;
    {
        std::lock_guard lock(mutex_);
        left.swap(tasks_);
    }
    for (auto& [handle, task] : left) {
        task->stop();
    }
}

std::shared_ptr<const Machine> Engine::machine() const {
    std::lock_guard lock(mutex_);
    return machine_;
}

std::int32_t Engine::useProfile(const std::filesystem::path& path) {
    const auto profile = readMachineProfile(path, std::cerr);
    auto machine = std::make_shared<const Machine>(profile ? *profile : virtualOnlyProfile());
    std::lock_guard lock(mutex_);
    machine_ = std::move(machine);
    return profile ? profile->problems : RADEZUVI_ERR_FILE;
}

std::uint32_t Engine::add(TaskDefinition definition, bool openNow) {
    const OperationInfo* operation = findOperation(definition.operation);
    if (!operation || !fitsCard(definition, *operation)) {
        return 0;
    }
    std::unique_lock lock(mutex_);
    const std::uint32_t handle = nextHandleLocked();
    auto task = std::make_shared<Task>(handle, std::move(definition), *operation, machine_);
    lock.unlock();
    if (openNow && task->open() != RADEZUVI_OK) {
        return 0;
    }
    lock.lock();
    tasks_.emplace(handle, std::move(task));
    return handle;
}

// Handles are not reused until the counter wraps, so a stale handle finds nothing.
std::uint32_t Engine::nextHandleLocked() {
    do {
        ++lastHandle_;
    } while (lastHandle_ == 0 || tasks_.contains(lastHandle_));
    return lastHandle_;
}

std::shared_ptr<Task> Engine::find(std::uint32_t handle) const {
    std::lock_guard lock(mutex_);
    const auto it = tasks_.find(handle);
    return it == tasks_.end() ? nullptr : it->second;
}

std::shared_ptr<Task> Engine::take(std::uint32_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = tasks_.find(handle);
    if (it == tasks_.end()) {
        return nullptr;
    }
    auto task = std::move(it->second);
    tasks_.erase(it);
    return task;
}

} // namespace radezuvi
