#include "activities.h"
#include "analog_signal.h"
#include "block_clock.h"

namespace radezuvi {

RunnerBody analogAcquisition(AnalogAcquisitionPlan plan) {
    return [plan = std::move(plan)](Pacer& pacer) {
        const std::size_t channelCount = plan.channels.size();
        std::vector<AnalogSignal> signals;
        for (std::size_t i = 0; i < channelCount; ++i) {
            signals.emplace_back(plan.channels[i], plan.rate, plan.ranges[i], i);
        }
        std::vector<double> block(plan.scansPerBlock * channelCount);
        plan.sink.deliver(RADEZUVI_EVENT_STARTED, nullptr);

        const BlockClock clock(plan.start, static_cast<double>(plan.scansPerBlock) / plan.rate);
        bool skipped = false;
        for (std::uint64_t k = 0;; k = clock.next(k, Clock::now(), skipped)) {
            if (plan.sink.wanted()) {
                for (std::size_t i = 0; i < channelCount; ++i) {
                    signals[i].setLoopBack(plan.card->loopBack(plan.channels[i]), plan.start);
                    signals[i].fill(block.data() + i, channelCount, k * plan.scansPerBlock,
                                    plan.scansPerBlock);
                }
            }
            if (!pacer.waitUntil(clock.due(k))) {
                return;
            }
            Radezuvi_AiRecord record{block.data(), static_cast<std::uint32_t>(block.size()),
                                     static_cast<std::uint32_t>(channelCount)};
            plan.sink.deliver(dataEvent(plan.finite, skipped), &record);
            if (plan.finite) {
                return;
            }
        }
    };
}

} // namespace radezuvi
