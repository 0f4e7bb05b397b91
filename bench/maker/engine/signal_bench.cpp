// What one simulated analog sample costs to make, alone and interleaved across channels.
#include "analog_signal.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void BM_OneChannelBlock(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    radezuvi::AnalogSignal signal(0, 60'000'000, {-5, 5}, 1);
    std::vector<double> block(count);
    std::uint64_t first = 0;
    for (auto _ : state) {
        signal.fill(block.data(), 1, first, count);
        benchmark::DoNotOptimize(block.data());
        first += count;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}
BENCHMARK(BM_OneChannelBlock)->Arg(6'000'000)->Arg(10'000);

void BM_SixtyFourChannelBlock(benchmark::State& state) {
    constexpr std::size_t kChannels = 64;
    const auto scans = static_cast<std::size_t>(state.range(0));
    std::vector<radezuvi::AnalogSignal> signals;
    for (std::size_t c = 0; c < kChannels; ++c) {
        signals.emplace_back(static_cast<int>(c), 46'875, radezuvi::RangeSpan{-10, 10}, c);
    }
    std::vector<double> block(scans * kChannels);
    std::uint64_t first = 0;
    for (auto _ : state) {
        for (std::size_t c = 0; c < kChannels; ++c) {
            signals[c].fill(block.data() + c, kChannels, first, scans);
        }
        benchmark::DoNotOptimize(block.data());
        first += scans;
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * scans * kChannels));
}
BENCHMARK(BM_SixtyFourChannelBlock)->Arg(4'687);

} // namespace

BENCHMARK_MAIN();
