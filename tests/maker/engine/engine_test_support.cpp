#include "engine_test_support.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <thread>

namespace radezuvi::test {

bool eventually(const std::function<bool()>& condition) {
    for (int attempt = 0; attempt < 6000; ++attempt) {
        if (condition()) {
            return true;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return condition();
}

bool EventLog::note(std::int32_t eventId, void* record) {
    ++calls;
    events.push_back(eventId);
    if (eventId == 2031) {
        ticks.push_back(static_cast<Radezuvi_TimerRecord*>(record)->tickCount);
    }
    return eventId >= 2028 && eventId <= 2030;
}

std::int32_t EventLog::analogCallback(std::int32_t, std::int32_t eventId, void* user, void* record) {
    auto& log = *static_cast<EventLog*>(user);
    std::lock_guard lock(log.mutex);
    if (log.note(eventId, record)) {
        const auto* block = static_cast<Radezuvi_AiRecord*>(record);
        log.channelCounts.push_back(block->channelCount);
        log.analog.insert(log.analog.end(), block->data, block->data + block->sampleCount);
    }
    return eventId == 2024 || eventId == 2031 || (eventId >= 2028 && eventId <= 2030);
}

std::int32_t EventLog::digitalCallback(std::int32_t, std::int32_t eventId, void* user, void* record) {
    auto& log = *static_cast<EventLog*>(user);
    std::lock_guard lock(log.mutex);
    if (log.note(eventId, record)) {
        const auto* block = static_cast<Radezuvi_DiRecord*>(record);
        log.widths.push_back(block->sampleWidth);
        const std::size_t bytes = block->sampleWidth / 8;
        for (std::uint32_t i = 0; i < block->sampleCount; ++i) {
            std::uint32_t value = 0;
            std::memcpy(&value, static_cast<const unsigned char*>(block->data) + i * bytes, bytes);
            log.digital.push_back(value);
        }
    }
    return eventId == 2024 || (eventId >= 2028 && eventId <= 2030);
}

int EventLog::count(int eventId) {
    std::lock_guard lock(mutex);
    return static_cast<int>(std::count(events.begin(), events.end(), eventId));
}

std::size_t EventLog::analogSize() {
    std::lock_guard lock(mutex);
    return analog.size();
}

} // namespace radezuvi::test
