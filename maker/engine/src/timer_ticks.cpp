#include "activities.h"
#include "block_clock.h"

namespace radezuvi {

RunnerBody timerTicks(TimerPlan plan) {
    return [plan = std::move(plan)](Pacer& pacer) {
        plan.sink.deliver(RADEZUVI_EVENT_STARTED, nullptr);
        const BlockClock clock(plan.start, plan.intervalSeconds);
        bool skipped = false;
        for (std::uint64_t k = 0;; k = clock.next(k, Clock::now(), skipped)) {
            if (!pacer.waitUntil(clock.due(k))) {
                return;
            }
            Radezuvi_TimerRecord record{static_cast<std::uint32_t>(k + 1),
                                        static_cast<std::uint32_t>(plan.channel)};
            plan.sink.deliver(RADEZUVI_EVENT_TIMER, &record);
        }
    };
}

} // namespace radezuvi
