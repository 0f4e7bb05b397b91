// Reducing a block of doubles to a min/max envelope only reads it, so it should keep up with a
// plain memcpy of the same buffer. Each iteration times both on the same data, one after the
// other, and reports their bandwidths and the ratio.
#include "maker/controls/envelope.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double secondsOf(Clock::time_point from) {
    return std::chrono::duration<double>(Clock::now() - from).count();
}

// Arguments: doubles per block, pixel columns.
void BM_EnvelopeAgainstMemcpy(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto columns = static_cast<int>(state.range(1));
    std::vector<double> block(count);
    for (std::size_t i = 0; i < count; ++i) {
        block[i] = std::sin(static_cast<double>(i) * 1e-3) * 5.0;
    }
    std::vector<double> copy(count);
    doz::controls::AnalogEnvelope envelope;
    double copySeconds = 0;
    double reduceSeconds = 0;
    for (auto _ : state) {
        auto start = Clock::now();
        std::memcpy(copy.data(), block.data(), count * sizeof(double));
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
        copySeconds += secondsOf(start);
        start = Clock::now();
        doz::controls::reduceAnalog(block, columns, envelope);
        benchmark::DoNotOptimize(envelope.low.data());
        reduceSeconds += secondsOf(start);
    }
    const double bytes =
        static_cast<double>(count * sizeof(double)) * static_cast<double>(state.iterations());
    state.counters["memcpy_GBps"] = bytes / copySeconds / 1e9;
    state.counters["reduce_GBps"] = bytes / reduceSeconds / 1e9;
    state.counters["reduce_vs_memcpy"] = copySeconds / reduceSeconds;
}
BENCHMARK(BM_EnvelopeAgainstMemcpy)
    ->Args({300'000, 800})   // a 3 MS/s block of 0.1 s
    ->Args({6'000'000, 800}) // a 60 MS/s block of 0.1 s
    ->Args({6'000'000, 2000})
    ->Unit(benchmark::kMillisecond);

void BM_DigitalEnvelope(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<std::uint32_t> block(count);
    for (std::size_t i = 0; i < count; ++i) {
        block[i] = static_cast<std::uint32_t>(i * 2654435761u);
    }
    doz::controls::DigitalEnvelope envelope;
    for (auto _ : state) {
        doz::controls::reduceDigital({block.data(), block.size()}, 32, 800, envelope);
        benchmark::DoNotOptimize(envelope.ones.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(count * sizeof(std::uint32_t)) * state.iterations());
}
BENCHMARK(BM_DigitalEnvelope)->Arg(3'000'000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
