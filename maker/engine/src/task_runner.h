// The engine thread of a running task. The body it runs paces itself with wait_until and owns
// everything it touches, so a task may be released from inside its own callback: the thread
// then finishes on its own once that callback returns.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace radezuvi {

using Clock = std::chrono::steady_clock;

class Pacer {
public:
    // Sleeps until the time or until a stop is asked; false when stopping.
    bool waitUntil(Clock::time_point when);
    bool stopping() const;
    void requestStop();

private:
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    bool stop_ = false;
};

using RunnerBody = std::function<void(Pacer&)>;

class TaskRunner {
public:
    // Starts a thread that runs body for the task with this handle.
    TaskRunner(std::uint32_t handle, RunnerBody body);
    // Stops and joins, except on the runner's own thread, where it only asks for a stop.
    ~TaskRunner();

    TaskRunner(const TaskRunner&) = delete;
    TaskRunner& operator=(const TaskRunner&) = delete;

    // Asks the body to stop without waiting for it.
    void requestStop();
    void stopAndJoin();

    // The handle of the task whose runner is the calling thread, or 0.
    static std::uint32_t currentTask();

private:
    std::shared_ptr<Pacer> pacer_;
    std::thread thread_;
};

} // namespace radezuvi
