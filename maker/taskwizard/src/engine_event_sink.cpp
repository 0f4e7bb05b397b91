#include "maker/taskwizard/src/engine_event_sink.h"

#include "maker/engine/radezuvi_engine.h"

#include "maker/controls/queued_call.h"

#include <cstring>
#include <span>

namespace doz::taskwizard {

EngineEventSink::EngineEventSink(std::function<void()> notify, std::shared_ptr<controls::AnalogFeed> analog,
                                 std::shared_ptr<controls::DigitalFeed> digital)
    : notice_(std::make_unique<controls::QueuedCall>(nullptr, std::move(notify))), analog_(std::move(analog)),
      digital_(std::move(digital)) {}

EngineEventSink::~EngineEventSink() = default;

int32_t EngineEventSink::callback(int32_t, int32_t eventId, void* userValue, void* record) {
    return userValue ? static_cast<EngineEventSink*>(userValue)->handle(eventId, record) : 0;
}

int32_t EngineEventSink::handle(int32_t eventId, void* record) {
    switch (eventId) {
    case RADEZUVI_EVENT_STARTED:
        return 1;
    case RADEZUVI_EVENT_DATA:
    case RADEZUVI_EVENT_DATA_OVERRUN:
    case RADEZUVI_EVENT_DATA_LAST: {
        if (!record) {
            return 1;
        }
        const bool overrun = eventId == RADEZUVI_EVENT_DATA_OVERRUN;
        const bool last = eventId == RADEZUVI_EVENT_DATA_LAST;
        digitalRecords_ ? onDigital(record, overrun, last) : onAnalog(record, overrun, last);
        post();
        return 1;
    }
    case RADEZUVI_EVENT_TIMER:
        if (record) {
            std::lock_guard lock(mutex_);
            summary_.ticks = static_cast<const Radezuvi_TimerRecord*>(record)->tickCount;
        }
        post();
        return 1;
    default:
        return 0;
    }
}

void EngineEventSink::onAnalog(const void* record, bool overrun, bool last) {
    const auto* block = static_cast<const Radezuvi_AiRecord*>(record);
    const std::span<const double> data(block->data, block->data ? block->sampleCount : 0);
    const std::size_t channels = block->channelCount;
    if (analog_) {
        analog_->PlotGraphs(firstChannel(data, channels));
    }
    std::lock_guard lock(mutex_);
    ++summary_.blocks;
    summary_.overruns += overrun ? 1 : 0;
    summary_.samples += data.size();
    summary_.finished = summary_.finished || last;
    if (channels > 0 && data.size() >= channels) {
        summary_.lastScan.assign(data.end() - static_cast<std::ptrdiff_t>(channels), data.end());
    }
}

// The samples of the first enabled channel, picked out of the interleaved block; the copy lives in
// a buffer that only the engine thread of this task touches.
std::span<const double> EngineEventSink::firstChannel(std::span<const double> data, std::size_t channels) {
    if (channels <= 1) {
        return data;
    }
    firstChannel_.clear();
    for (std::size_t i = 0; i < data.size(); i += channels) {
        firstChannel_.push_back(data[i]);
    }
    return firstChannel_;
}

void EngineEventSink::onDigital(const void* record, bool overrun, bool last) {
    const auto* block = static_cast<const Radezuvi_DiRecord*>(record);
    const std::size_t count = block->data ? block->sampleCount : 0;
    if (digital_) {
        digital_->PlotDigitalGraphs({block->data, count}, static_cast<std::int16_t>(block->sampleWidth));
    }
    std::uint32_t newest = 0;
    const std::size_t bytes = block->sampleWidth / 8;
    if (count > 0 && (bytes == 1 || bytes == 2 || bytes == 4)) {
        std::memcpy(&newest, static_cast<const char*>(block->data) + (count - 1) * bytes, bytes);
    }
    std::lock_guard lock(mutex_);
    ++summary_.blocks;
    summary_.overruns += overrun ? 1 : 0;
    summary_.samples += count;
    summary_.finished = summary_.finished || last;
    summary_.lastPortValue = count > 0 ? newest : summary_.lastPortValue;
}

// At most one notice waits in the panel's queue; the panel reads everything that came meanwhile.
void EngineEventSink::post() {
    if (posted_.exchange(true)) {
        return;
    }
    notice_->post();
}

EventSummary EngineEventSink::take() {
    posted_.store(false);
    std::lock_guard lock(mutex_);
    return summary_;
}

void EngineEventSink::reset() {
    std::lock_guard lock(mutex_);
    summary_ = {};
}

} // namespace doz::taskwizard
