#pragma once
// The one owner of an engine task handle in the test panels: a panel never creates or ends a
// task by hand, so no handle leaks and none is ended twice.

#include "radezuvi_engine.h"

#include <cstdint>

namespace doz::testpanels {

// The card a task is created for.
struct TaskTarget {
    std::int32_t typeCode = 0;
    std::int32_t cardNumber = 0;
};

// Owns at most one task handle (0 = none). Creating ends the task held first; resetting and
// destruction end it. Moving hands the handle over and leaves the source empty.
class TaskSlot {
public:
    TaskSlot() = default;
    ~TaskSlot();
    TaskSlot(TaskSlot&& other) noexcept;
    TaskSlot& operator=(TaskSlot&& other) noexcept;
    TaskSlot(const TaskSlot&) = delete;
    TaskSlot& operator=(const TaskSlot&) = delete;

    // Ends the task held, then creates one; the new handle, 0 when the engine refused.
    Radezuvi_Handle create(std::int32_t operation, TaskTarget target, std::int32_t openNow);
    // Ends the task held (the engine stops it first when it runs) and empties the slot. True when
    // the engine released a task, false when the slot was empty or the handle was already gone.
    bool reset();

    Radezuvi_Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != 0; }

private:
    Radezuvi_Handle handle_ = 0;
};

} // namespace doz::testpanels
