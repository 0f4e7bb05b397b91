// The panels' relay on the engine's data path.
//
// BM_RelayAgainstFeed: what the relay's callback costs per block (tag check, the block handed to
// the graph's feed, its summary, the queued update) against handing the same block to the feed
// directly, both measured in the same run; the ratio is the counter "relay_per_feed".
//
// BM_PanelAcquisition: the E400 panel itself, shown offscreen, acquiring continuously at the
// card's maximum for five seconds: overrun events (2029) the relay saw, frames painted per second,
// and the share of the user-interface thread spent busy, beside the share of the same panel shown
// idle for two seconds just before (the baseline of the same run).
#include "revorur/testpanels/analog_relay.h"
#include "revorur/testpanels/form_test_panel.h"

#include "maker/controls/adv_graph.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cmath>
#include <ctime>
#include <memory>
#include <vector>

namespace {

using namespace doz::testpanels;
double threadCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

std::vector<double> sineBlock(std::size_t count) {
    std::vector<double> block(count);
    for (std::size_t i = 0; i < count; ++i)
        block[i] = 8.0 * std::sin(static_cast<double>(i) * 0.001);
    return block;
}

// Runs the event loop for `ms` milliseconds; the share of that time the thread was busy.
double busyShareWhilePumping(int ms) {
    const double cpuBefore = threadCpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    return (threadCpuSeconds() - cpuBefore) / (static_cast<double>(clock.elapsed()) / 1000.0);
}

// Argument: samples per block.
void BM_RelayAgainstFeed(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::vector<double> block = sineBlock(count);
    // The feed of a graph on screen, as on the panel.
    doz::controls::TAdvGraph graph;
    graph.resize(400, 300);
    graph.show();
    const auto feed = graph.feed();
    AnalogRelay relay(feed, [](const AnalogBlockSummary&) {});
    const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1, 0, 1);
    relay.attach(task);
    Radezuvi_AiRecord record{block.data(), static_cast<std::uint32_t>(count), 1};

    // Thread CPU time of each way, taken in turn first so neither always finds the block in cache.
    double viaRelay = 0;
    double direct = 0;
    bool relayFirst = true;
    const auto throughRelay = [&] {
        const double start = threadCpuSeconds();
        benchmark::DoNotOptimize(
            CallbackRelay::Callback(static_cast<std::int32_t>(task), RADEZUVI_EVENT_DATA, &relay, &record));
        viaRelay += threadCpuSeconds() - start;
    };
    const auto throughFeed = [&] {
        const double start = threadCpuSeconds();
        feed->PlotGraphs(block, 1, 1);
        benchmark::ClobberMemory();
        direct += threadCpuSeconds() - start;
    };
    for (auto _ : state) {
        if (relayFirst) {
            throughRelay();
            throughFeed();
        } else {
            throughFeed();
            throughRelay();
        }
        relayFirst = !relayFirst;
        QCoreApplication::processEvents();
    }
    relay.forget();
    Radezuvi_EndTask(task);
    state.counters["relay_per_feed"] = direct > 0 ? viaRelay / direct : 0.0;
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * count * sizeof(double)));
}
BENCHMARK(BM_RelayAgainstFeed)->Arg(1000)->Arg(300'000)->Arg(6'000'000)->Unit(benchmark::kMicrosecond);

// Arguments: type code, rate.
void BM_PanelAcquisition(benchmark::State& state) {
    static const bool machine = Radezuvi_UseMachineProfile(RADEZUVI_DEMO_PROFILE) == 0;
    if (!machine) {
        state.SkipWithError("demo machine missing");
        return;
    }
    constexpr int kMilliseconds = 5000;
    for (auto _ : state) {
        TForm_TestPanel panel(doz::catalogue::BuildGenericCardCaps(static_cast<int>(state.range(0))), 0,
                              nullptr);
        panel.show();
        QCoreApplication::processEvents();
        AiPage& ai = *panel.TabSheet_Ai;
        const double idle = busyShareWhilePumping(2000);
        ai.Edit_AiSampRate->setText(QString::number(state.range(1)));
        const std::uint64_t framesBefore = ai.AdvGraph1->framesPainted();
        ai.Btn_AiStart->click();
        if (!ai.AiTask) {
            state.SkipWithError("start refused");
            return;
        }
        const double busy = busyShareWhilePumping(kMilliseconds);
        const double seconds = kMilliseconds / 1000.0;
        const QString readout = ai.Label_AiReadout->text();
        ai.Btn_AiStop->click();
        state.counters["frames_per_s"] =
            static_cast<double>(ai.AdvGraph1->framesPainted() - framesBefore) / seconds;
        state.counters["ui_busy_share"] = busy;
        state.counters["idle_busy_share"] = idle;
        state.counters["overruns"] =
            readout.contains("overruns") ? readout.section("overruns ", 1).toDouble() : 0.0;
        panel.close();
    }
}
BENCHMARK(BM_PanelAcquisition)
    ->Args({1550, 3'000'000})
    ->Args({1530, 2'000'000})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
