#include "revorur/testpanels/analog_relay.h"

#include <algorithm>
#include <span>
#include <utility>

namespace doz::testpanels {

namespace {

// The lowest and highest sample in one pass, four lanes at a time so the pass runs at memory
// speed. NaN samples never win a comparison, so they are skipped once a lane holds a number.
std::pair<double, double> extremesOf(std::span<const double> samples) {
    constexpr std::size_t kLanes = 4;
    double low[kLanes];
    double high[kLanes];
    for (std::size_t lane = 0; lane < kLanes; ++lane)
        low[lane] = high[lane] = samples[0];
    std::size_t i = 0;
    for (; i + kLanes <= samples.size(); i += kLanes) {
        for (std::size_t lane = 0; lane < kLanes; ++lane) {
            const double x = samples[i + lane];
            low[lane] = x < low[lane] ? x : low[lane];
            high[lane] = x > high[lane] ? x : high[lane];
        }
    }
    for (; i < samples.size(); ++i) {
        low[0] = samples[i] < low[0] ? samples[i] : low[0];
        high[0] = samples[i] > high[0] ? samples[i] : high[0];
    }
    return {std::min({low[0], low[1], low[2], low[3]}), std::max({high[0], high[1], high[2], high[3]})};
}

} // namespace

AnalogRelay::AnalogRelay(std::shared_ptr<controls::AnalogFeed> feed,
                         std::function<void(const AnalogBlockSummary&)> onSummary)
    : feed_(std::move(feed)), onSummary_(std::move(onSummary)) {}

AnalogRelay::~AnalogRelay() = default;

bool AnalogRelay::take(Radezuvi_Handle task, std::int32_t eventId, const void* record) {
    if (eventId == RADEZUVI_EVENT_TIMER)
        return false;
    const auto& block = *static_cast<const Radezuvi_AiRecord*>(record);
    if (block.channelCount > MaxChannels || block.sampleCount == 0 || block.data == nullptr)
        return false;
    const std::span<const double> samples(block.data, block.sampleCount);
    if (feed_)
        feed_->PlotGraphs(samples, 1, 1);
    const auto [low, high] = extremesOf(samples);

    std::lock_guard lock(mutex_);
    if (newest_.task != task)
        newest_ = AnalogBlockSummary{task};
    newest_.samples = samples.size();
    newest_.minimum = low;
    newest_.maximum = high;
    ++newest_.blocks;
    if (eventId == RADEZUVI_EVENT_DATA_OVERRUN)
        ++newest_.overruns;
    return true;
}

void AnalogRelay::deliver(Radezuvi_Handle task) {
    AnalogBlockSummary summary;
    {
        std::lock_guard lock(mutex_);
        summary = newest_;
    }
    if (summary.task == task && onSummary_)
        onSummary_(summary);
}

} // namespace doz::testpanels
