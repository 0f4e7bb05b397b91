#pragma once
// The engine side of a continuous task. The engine calls back on its own thread and hands the
// relay (never a widget) as the user value; the relay copies or reduces the record during the
// call, since the record is valid only then, and posts at most one queued update to the
// user-interface thread while one is pending. It never waits on that thread: Radezuvi_Stop and
// Radezuvi_EndTask wait for the last callback, so a blocking hand-off would deadlock them.
//
// Every block is tagged with the task that delivered it: only the task the relay follows is
// taken, and an update that arrives after the relay stopped following that task is dropped, so
// a late block of an ended task is never shown.

#include "radezuvi_engine.h"

#include <atomic>
#include <cstdint>
#include <memory>

namespace doz::controls {
class QueuedCall;
}

namespace doz::testpanels {

class CallbackRelay {
public:
    // User-interface thread: the relay's updates run there.
    CallbackRelay();
    virtual ~CallbackRelay();
    CallbackRelay(const CallbackRelay&) = delete;
    CallbackRelay& operator=(const CallbackRelay&) = delete;

    // Hands the engine this relay as the callback of `task` and follows that task. The result of
    // Radezuvi_SetCallbackProc.
    std::int32_t attach(Radezuvi_Handle task);
    // Follows no task: blocks still in flight, and updates still queued, are dropped.
    void forget();
    Radezuvi_Handle followed() const { return followed_.load(std::memory_order_acquire); }

    // The callback handed to the engine; `userValue` is the relay.
    static std::int32_t Callback(std::int32_t task, std::int32_t eventId, void* userValue, void* record);
    // What the callback answers: 1 for the engine's events (2024, 2028 to 2031), else 0.
    static std::int32_t AnswerOf(std::int32_t eventId);

    // Updates posted to the user-interface thread so far, and those that ran.
    std::uint64_t updatesPosted() const { return posted_.load(std::memory_order_relaxed); }

protected:
    // Engine thread, during the callback of the followed task: copies or reduces the record of a
    // data (2028 to 2030) or timer (2031) event. True when the user-interface thread has something
    // new to show.
    virtual bool take(Radezuvi_Handle task, std::int32_t eventId, const void* record) = 0;
    // User-interface thread: shows what `take` kept, when it was kept from `task`, the task
    // followed now (what a task no longer followed left behind is not shown).
    virtual void deliver(Radezuvi_Handle task) = 0;

private:
    void post();
    void runUpdate();

    std::atomic<Radezuvi_Handle> followed_{0};
    std::atomic<bool> pending_{false};
    std::atomic<std::uint64_t> posted_{0};
    // Receives the queued updates; dies with the relay, which drops any still queued.
    std::unique_ptr<controls::QueuedCall> poster_;
};

} // namespace doz::testpanels
