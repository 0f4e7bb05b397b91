#include "activities.h"
#include "block_clock.h"

#include <algorithm>
#include <chrono>

namespace radezuvi {

namespace {

// The port is updated at least this often, and at most once per sample.
constexpr auto kShortestStep = std::chrono::milliseconds(1);

} // namespace

RunnerBody patternPlayback(PatternPlan plan) {
    return [plan = std::move(plan)](Pacer& pacer) {
        plan.sink.deliver(RADEZUVI_EVENT_STARTED, nullptr);
        const auto start = plan.start;
        const auto step = std::max<Clock::duration>(kShortestStep, clockSpan(1.0 / plan.rate));
        const std::uint64_t count = plan.samples.size();
        for (auto wake = start;; wake += step) {
            const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
            const auto index = static_cast<std::uint64_t>(elapsed * plan.rate);
            if (plan.finite && index >= count) {
                plan.card->writePort(plan.bank, plan.port, plan.samples.back());
                return;
            }
            plan.card->writePort(plan.bank, plan.port, plan.samples[index % count]);
            if (!pacer.waitUntil(wake + step)) {
                return;
            }
        }
    };
}

} // namespace radezuvi
