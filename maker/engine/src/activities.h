// The bodies that run on a task's engine thread, one per kind of timed operation. Each plan is
// a copy of everything the body needs, taken when the task starts; its start is the moment the
// card's clock started, so time spent preparing buffers on the thread is made up for.
#pragma once

#include "event_sink.h"
#include "installed_card.h"
#include "range_table.h"
#include "task_runner.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace radezuvi {

struct AnalogAcquisitionPlan {
    EventSink sink{};
    Clock::time_point start{};
    std::shared_ptr<InstalledCard> card{};
    std::vector<int> channels{};
    std::vector<RangeSpan> ranges{}; // one per channel
    double rate = 0;                 // samples per second per channel
    std::size_t scansPerBlock = 0;
    bool finite = false;
};

struct DigitalAcquisitionPlan {
    EventSink sink{};
    Clock::time_point start{};
    std::shared_ptr<InstalledCard> card{};
    int bank = 0;
    int port = 0;
    int width = 8; // bits per sample
    double rate = 0;
    std::size_t samplesPerBlock = 0;
    bool finite = false;
};

struct PatternPlan {
    EventSink sink{};
    Clock::time_point start{};
    std::shared_ptr<InstalledCard> card{};
    int bank = 0;
    int port = 0;
    std::vector<std::uint32_t> samples{};
    double rate = 0;
    bool finite = false;
};

struct TimerPlan {
    EventSink sink{};
    Clock::time_point start{};
    int channel = 0;
    double intervalSeconds = 1;
};

RunnerBody analogAcquisition(AnalogAcquisitionPlan plan);
RunnerBody digitalAcquisition(DigitalAcquisitionPlan plan);
RunnerBody patternPlayback(PatternPlan plan);
RunnerBody timerTicks(TimerPlan plan);

} // namespace radezuvi
