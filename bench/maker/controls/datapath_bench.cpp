// The whole way of a continuous acquisition to the screen: the engine's thread calls a sink
// object (as the panels' relay does), the sink hands the block to the graph's feed during the
// callback, and the graph, shown on the offscreen platform, paints coalesced frames on the
// user-interface thread, which does nothing else. For ten seconds per card the run counts
// overrun events (2029), frames painted, the share of the user-interface thread spent busy, and
// the growth of the process's peak memory.
#include "maker/controls/adv_graph.h"
#include "radezuvi_engine.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <memory>
#include <span>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

// What a panel's relay keeps as the engine's user value: no widget, only the graph's feed.
struct Sink {
    std::shared_ptr<doz::controls::AnalogFeed> feed;
    std::atomic<int> overruns{0};
    std::atomic<std::uint64_t> blocks{0};

    static int32_t callback(int32_t, int32_t eventId, void* user, void* record) {
        auto& sink = *static_cast<Sink*>(user);
        switch (eventId) {
        case RADEZUVI_EVENT_DATA_OVERRUN:
            ++sink.overruns;
            [[fallthrough]];
        case RADEZUVI_EVENT_DATA:
        case RADEZUVI_EVENT_DATA_LAST: {
            const auto* ai = static_cast<const Radezuvi_AiRecord*>(record);
            if (ai != nullptr && ai->data != nullptr && ai->sampleCount > 0) {
                sink.feed->PlotGraphs(std::span<const double>(ai->data, ai->sampleCount), 1, 1);
                ++sink.blocks;
            }
            return 1;
        }
        case RADEZUVI_EVENT_STARTED:
        case RADEZUVI_EVENT_TIMER:
            return 1;
        default:
            return 0;
        }
    }
};

double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A line "Name:   N kB" of /proc/self/status, in bytes.
double statusBytes(const std::string& name) {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        double kb = 0;
        if (key == name + ":" && status >> kb) {
            return kb * 1024;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

// Lets the kernel start the peak resident size afresh from the current one.
void resetPeakMemory() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

void useDemoMachine() {
    static const bool loaded = Radezuvi_UseMachineProfile(RADEZUVI_DEMO_PROFILE) == 0;
    if (!loaded) {
        std::abort();
    }
}

// Arguments: type code, rate of the one channel acquired, blocks per second (property 105 set to
// rate / blocks; 10 is the engine's default, what the panels get).
void BM_AcquisitionToScreen(benchmark::State& state) {
    useDemoMachine();
    const auto typeCode = static_cast<int32_t>(state.range(0));
    const auto rate = static_cast<double>(state.range(1));
    const auto blocksPerSecond = static_cast<double>(state.range(2));
    constexpr int kMilliseconds = 10'000;
    for (auto _ : state) {
        doz::controls::TAdvGraph graph;
        graph.resize(800, 400);
        graph.show();
        QCoreApplication::processEvents();
        Sink sink;
        sink.feed = graph.feed();
        const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, typeCode, 0, 1);
        Radezuvi_SetCallbackProc(task, Sink::callback, &sink);
        Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, rate);
        Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, static_cast<uint32_t>(rate / blocksPerSecond));
        Radezuvi_EnableSingleChannel(task, 0);

        resetPeakMemory();
        const double residentBefore = statusBytes("VmRSS");
        const std::uint64_t framesBefore = graph.framesPainted();
        if (Radezuvi_Start(task) != RADEZUVI_OK) {
            state.SkipWithError("start refused");
            Radezuvi_EndTask(task);
            return;
        }
        const double cpuBefore = threadCpuSeconds();
        const auto wallBefore = Clock::now();
        QEventLoop loop;
        QTimer::singleShot(kMilliseconds, &loop, &QEventLoop::quit);
        loop.exec();
        const double busy = threadCpuSeconds() - cpuBefore;
        const double wall = std::chrono::duration<double>(Clock::now() - wallBefore).count();
        Radezuvi_EndTask(task);
        const double peakGrowth = statusBytes("VmHWM") - residentBefore;

        state.counters["overrun_events"] = sink.overruns.load();
        state.counters["blocks"] = static_cast<double>(sink.blocks.load());
        state.counters["frames_per_s"] = static_cast<double>(graph.framesPainted() - framesBefore) / wall;
        state.counters["ui_busy_share"] = busy / wall;
        state.counters["peak_growth_MB"] = peakGrowth / (1024.0 * 1024.0);
        state.counters["shown_samples"] = static_cast<double>(graph.shownSamples());
    }
}
BENCHMARK(BM_AcquisitionToScreen)
    ->Args({1550, 3'000'000, 10})  // DAQ-E430 at its 3 MS/s
    ->Args({1580, 3'000'000, 10})  // DAQ-E445 at its 3 MS/s
    ->Args({1000, 60'000'000, 10}) // PCI-S730 digitizer at 60 MS/s: 6 M doubles a block
    ->Args({1550, 3'000'000, 200}) // blocks faster than the screen: coalesced to screen rate
    ->Args({1000, 60'000'000, 200})
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
