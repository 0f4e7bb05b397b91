#include "activities.h"
#include "block_clock.h"

#include <cstring>

namespace radezuvi {

namespace {

// The port's input with one bit walking across it, so a steady input still shows movement.
std::uint32_t walkingSample(std::uint32_t input, std::uint64_t index, int width) {
    const std::uint32_t mask = width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1;
    return (input ^ (1u << (index % static_cast<std::uint64_t>(width)))) & mask;
}

template <typename Sample>
void fillBlock(void* out, std::uint32_t input, std::uint64_t first, std::size_t count, int width) {
    auto* samples = static_cast<Sample*>(out);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<Sample>(walkingSample(input, first + i, width));
    }
}

void fill(void* out, std::uint32_t input, std::uint64_t first, std::size_t count, int width) {
    if (width == 8) {
        fillBlock<std::uint8_t>(out, input, first, count, width);
    } else if (width == 16) {
        fillBlock<std::uint16_t>(out, input, first, count, width);
    } else {
        fillBlock<std::uint32_t>(out, input, first, count, width);
    }
}

} // namespace

RunnerBody digitalAcquisition(DigitalAcquisitionPlan plan) {
    return [plan = std::move(plan)](Pacer& pacer) {
        std::vector<std::uint32_t> storage(plan.samplesPerBlock); // room for the widest samples
        plan.sink.deliver(RADEZUVI_EVENT_STARTED, nullptr);

        const BlockClock clock(plan.start, static_cast<double>(plan.samplesPerBlock) / plan.rate);
        bool skipped = false;
        for (std::uint64_t k = 0;; k = clock.next(k, Clock::now(), skipped)) {
            if (plan.sink.wanted()) {
                fill(storage.data(), plan.card->inputOf(plan.bank, plan.port), k * plan.samplesPerBlock,
                     plan.samplesPerBlock, plan.width);
            }
            if (!pacer.waitUntil(clock.due(k))) {
                return;
            }
            Radezuvi_DiRecord record{static_cast<std::uint32_t>(plan.samplesPerBlock),
                                     static_cast<std::uint32_t>(plan.port), static_cast<std::uint32_t>(k),
                                     storage.data(), static_cast<std::uint32_t>(plan.width)};
            plan.sink.deliver(dataEvent(plan.finite, skipped), &record);
            if (plan.finite) {
                return;
            }
        }
    };
}

} // namespace radezuvi
