// The engine in real time: task round trips, and the fastest cards acquiring for ten seconds
// while a callback counts every block and notes how late it arrived.
#include "radezuvi_engine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <sys/resource.h>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double processCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) { return static_cast<double>(t.tv_sec) + t.tv_usec * 1e-6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void useDemoMachine() {
    static const bool loaded = Radezuvi_UseMachineProfile(RADEZUVI_DEMO_PROFILE) == 0;
    if (!loaded) {
        std::abort();
    }
}

int32_t ignoreEvents(int32_t, int32_t, void*, void*) {
    return 1;
}

void BM_TaskRoundTrip(benchmark::State& state) {
    useDemoMachine();
    int started = 0;
    for (auto _ : state) {
        const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1, 0, 1);
        Radezuvi_SetCallbackProc(task, ignoreEvents, nullptr);
        Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 100'000);
        Radezuvi_EnableSingleChannel(task, 0);
        started += Radezuvi_Start(task) == RADEZUVI_OK;
        Radezuvi_Stop(task);
        Radezuvi_EndTask(task);
    }
    state.counters["started"] = started;
}
BENCHMARK(BM_TaskRoundTrip)->Unit(benchmark::kMicrosecond);

struct Sustained {
    Clock::time_point start;
    double blockSeconds = 0;
    std::atomic<std::uint64_t> samples{0};
    std::atomic<std::uint64_t> blocks{0};
    std::atomic<int> overruns{0};
    std::atomic<std::int64_t> firstLateMicroseconds{0}; // includes preparing the buffers
    std::atomic<std::int64_t> worstLateMicroseconds{0}; // every later block

    static int32_t callback(int32_t, int32_t eventId, void* user, void* record) {
        auto& run = *static_cast<Sustained*>(user);
        if (eventId != RADEZUVI_EVENT_DATA && eventId != RADEZUVI_EVENT_DATA_OVERRUN) {
            return eventId == RADEZUVI_EVENT_STARTED;
        }
        run.overruns += eventId == RADEZUVI_EVENT_DATA_OVERRUN;
        run.samples += static_cast<Radezuvi_AiRecord*>(record)->sampleCount;
        const auto block = ++run.blocks;
        const auto due =
            run.start + std::chrono::duration_cast<Clock::duration>(
                            std::chrono::duration<double>(run.blockSeconds * static_cast<double>(block)));
        const auto late = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - due).count();
        if (block == 1) {
            run.firstLateMicroseconds = late;
            return 1;
        }
        std::int64_t worst = run.worstLateMicroseconds.load();
        while (late > worst && !run.worstLateMicroseconds.compare_exchange_weak(worst, late)) {
        }
        return 1;
    }
};

// Arguments: type code, channels, rate per channel.
void BM_Sustained(benchmark::State& state) {
    useDemoMachine();
    const auto typeCode = static_cast<int32_t>(state.range(0));
    const auto channels = static_cast<int>(state.range(1));
    const auto rate = static_cast<double>(state.range(2));
    constexpr double kSeconds = 10;
    for (auto _ : state) {
        Sustained run;
        run.blockSeconds = 0.1; // property 105 unset: a tenth of the rate per block
        const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, typeCode, 0, 1);
        Radezuvi_SetCallbackProc(task, Sustained::callback, &run);
        Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, rate);
        for (int channel = 0; channel < channels; ++channel) {
            Radezuvi_EnableSingleChannel(task, channel);
        }
        const double cpuBefore = processCpuSeconds();
        run.start = Clock::now();
        if (Radezuvi_Start(task) != RADEZUVI_OK) {
            state.SkipWithError("start refused");
            Radezuvi_EndTask(task);
            return;
        }
        std::this_thread::sleep_for(std::chrono::duration<double>(kSeconds + 0.05));
        Radezuvi_EndTask(task);
        const double cpu = processCpuSeconds() - cpuBefore;
        const double expected = rate * channels * kSeconds;
        state.counters["samples_per_s"] = static_cast<double>(run.samples) / kSeconds;
        state.counters["delivered_share"] = static_cast<double>(run.samples) / expected;
        state.counters["overruns"] = run.overruns.load();
        state.counters["first_late_ms"] = static_cast<double>(run.firstLateMicroseconds.load()) / 1000;
        state.counters["worst_late_ms"] = static_cast<double>(run.worstLateMicroseconds.load()) / 1000;
        state.counters["cores_used"] = cpu / kSeconds;
        state.counters["ns_per_sample"] =
            cpu * 1e9 / static_cast<double>(std::max<std::uint64_t>(run.samples, 1));
        state.counters["headroom"] = kSeconds / std::max(cpu, 1e-9); // real time over CPU time
    }
}
BENCHMARK(BM_Sustained)
    ->Args({1000, 1, 60'000'000}) // digitizer, one channel at 60 MS/s
    ->Args({1550, 1, 3'000'000})  // E430, one channel at 3 MS/s
    ->Args({1550, 64, 46'875})    // E430, 64 channels sharing 3 MS/s
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

BENCHMARK_MAIN();
