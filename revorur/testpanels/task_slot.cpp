#include "revorur/testpanels/task_slot.h"

#include <utility>

namespace doz::testpanels {

TaskSlot::~TaskSlot() {
    reset();
}

TaskSlot::TaskSlot(TaskSlot&& other) noexcept : handle_(std::exchange(other.handle_, 0)) {}

TaskSlot& TaskSlot::operator=(TaskSlot&& other) noexcept {
    if (this != &other) {
        reset();
        handle_ = std::exchange(other.handle_, 0);
    }
    return *this;
}

Radezuvi_Handle TaskSlot::create(std::int32_t operation, TaskTarget target, std::int32_t openNow) {
    reset();
    handle_ = Radezuvi_CreateTask(operation, target.typeCode, target.cardNumber, openNow);
    return handle_;
}

bool TaskSlot::reset() {
    if (handle_ == 0)
        return false;
    return Radezuvi_EndTask(std::exchange(handle_, 0)) != 0;
}

} // namespace doz::testpanels
