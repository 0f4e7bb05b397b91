#include "revorur/testpanels/callback_relay.h"

#include "maker/controls/queued_call.h"

namespace doz::testpanels {

CallbackRelay::CallbackRelay()
    : poster_(std::make_unique<controls::QueuedCall>(nullptr, [this] { runUpdate(); })) {}

CallbackRelay::~CallbackRelay() = default;

std::int32_t CallbackRelay::attach(Radezuvi_Handle task) {
    followed_.store(task, std::memory_order_release);
    return Radezuvi_SetCallbackProc(task, &CallbackRelay::Callback, this);
}

void CallbackRelay::forget() {
    followed_.store(0, std::memory_order_release);
}

std::int32_t CallbackRelay::AnswerOf(std::int32_t eventId) {
    return eventId == RADEZUVI_EVENT_STARTED ||
                   (eventId >= RADEZUVI_EVENT_DATA && eventId <= RADEZUVI_EVENT_TIMER)
               ? 1
               : 0;
}

std::int32_t CallbackRelay::Callback(std::int32_t task, std::int32_t eventId, void* userValue, void* record) {
    const std::int32_t answer = AnswerOf(eventId);
    auto* relay = static_cast<CallbackRelay*>(userValue);
    const auto handle = static_cast<Radezuvi_Handle>(task);
    if (answer == 0 || eventId == RADEZUVI_EVENT_STARTED || !relay || !record || handle == 0 ||
        handle != relay->followed())
        return answer;
    if (relay->take(handle, eventId, record))
        relay->post();
    return answer;
}

void CallbackRelay::post() {
    if (pending_.exchange(true, std::memory_order_acq_rel))
        return;
    posted_.fetch_add(1, std::memory_order_relaxed);
    poster_->post();
}

void CallbackRelay::runUpdate() {
    // Cleared before reading, so a block taken meanwhile posts a fresh update.
    pending_.store(false, std::memory_order_release);
    if (const Radezuvi_Handle task = followed())
        deliver(task);
}

} // namespace doz::testpanels
