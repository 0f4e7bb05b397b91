// Helpers of the engine's interface tests: tasks that end themselves and a thread-safe log of
// callback events.
#pragma once

#include "radezuvi_engine.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace radezuvi::test {

// Polls the condition until it holds; false if it still fails after a generous while, so a
// broken engine fails the test instead of hanging it.
bool eventually(const std::function<bool()>& condition);

// Ends its task when it goes out of scope.
class ScopedTask {
public:
    explicit ScopedTask(Radezuvi_Handle handle) : handle_(handle) {}
    ~ScopedTask() { Radezuvi_EndTask(handle_); }
    ScopedTask(const ScopedTask&) = delete;
    ScopedTask& operator=(const ScopedTask&) = delete;
    Radezuvi_Handle get() const { return handle_; }
    operator Radezuvi_Handle() const { return handle_; }

private:
    Radezuvi_Handle handle_;
};

// Records every event a task delivers; the callbacks answer 1 for the engine's events. Use the
// callback that matches the task's records: analog (and timer) or digital.
struct EventLog {
    std::mutex mutex;
    std::vector<int> events;
    std::vector<double> analog;         // samples of every analog block, in order
    std::vector<std::uint32_t> digital; // samples of every digital block, in order
    std::vector<std::uint32_t> widths;  // sample width of every digital block
    std::vector<std::uint32_t> channelCounts;
    std::vector<std::uint32_t> ticks;
    std::atomic<int> calls{0};

    static std::int32_t analogCallback(std::int32_t task, std::int32_t eventId, void* user, void* record);
    static std::int32_t digitalCallback(std::int32_t task, std::int32_t eventId, void* user, void* record);
    int count(int eventId);
    std::size_t analogSize();

private:
    // Logs the event; true when it carries a data record.
    bool note(std::int32_t eventId, void* record);
};

} // namespace radezuvi::test
