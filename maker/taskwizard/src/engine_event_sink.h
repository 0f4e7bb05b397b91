// The user value of a test panel's task. The engine calls it on its own thread; it never touches
// a widget: it hands data blocks to the graphs' thread-safe feeds, copies what the panel shows
// into a summary under a lock, and posts one queued notice at a time to the panel, which reads
// the summary on its own thread.
#pragma once

#include "maker/controls/graph_feed.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace doz::controls {
class QueuedCall;
}

namespace doz::taskwizard {

// What the task has delivered since it started.
struct EventSummary {
    std::uint64_t blocks = 0;     // data events
    std::uint64_t overruns = 0;   // data events after dropped blocks
    std::uint64_t samples = 0;    // samples of every block
    std::uint32_t ticks = 0;      // the last timer tick
    bool finished = false;        // the last block of a one-shot acquisition came
    std::vector<double> lastScan; // analog: the newest value of each channel, in enabled order
    std::uint32_t lastPortValue = 0;
};

class EngineEventSink {
public:
    // `notify` runs queued, after new events arrived, on the thread that creates the sink.
    EngineEventSink(std::function<void()> notify, std::shared_ptr<controls::AnalogFeed> analog,
                    std::shared_ptr<controls::DigitalFeed> digital);
    ~EngineEventSink();

    // The engine callback; its user value is an EngineEventSink.
    static int32_t callback(int32_t task, int32_t eventId, void* userValue, void* record);

    // The summary so far; clears the pending notice, so the next event posts again.
    EventSummary take();
    void reset();
    // Which record the data events carry: analog (the default) or digital. Set before the task starts.
    void expectDigitalRecords(bool digital) { digitalRecords_ = digital; }

private:
    int32_t handle(int32_t eventId, void* record);
    void onAnalog(const void* record, bool overrun, bool last);
    void onDigital(const void* record, bool overrun, bool last);
    std::span<const double> firstChannel(std::span<const double> data, std::size_t channels);
    void post();

    // Lives on the thread that created the sink and dies with it, dropping a notice still queued.
    std::unique_ptr<controls::QueuedCall> notice_;
    std::shared_ptr<controls::AnalogFeed> analog_;
    std::shared_ptr<controls::DigitalFeed> digital_;
    bool digitalRecords_ = false;
    std::vector<double> firstChannel_; // engine thread only
    std::mutex mutex_;
    EventSummary summary_;
    std::atomic<bool> posted_{false};
};

} // namespace doz::taskwizard
