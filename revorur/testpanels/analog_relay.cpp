#include "revorur/testpanels/analog_relay.h"

#include <algorithm>
#include <span>
#include <utility>

namespace doz::testpanels {

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
    const auto [low, high] = std::minmax_element(samples.begin(), samples.end());

    std::lock_guard lock(mutex_);
    if (newest_.task != task)
        newest_ = AnalogBlockSummary{task};
    newest_.samples = samples.size();
    newest_.minimum = *low;
    newest_.maximum = *high;
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
