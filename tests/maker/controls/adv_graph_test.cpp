#include "maker/controls/adv_graph.h"

#include "screen_probe.h"

#include <gtest/gtest.h>

#include <QImage>

#include <atomic>
#include <cmath>
#include <memory>
#include <thread>
#include <vector>

using namespace doz::controls;
using namespace doz::controls::test;

namespace {

const QColor Trace(255, 232, 64);

struct ShownGraph {
    TAdvGraph graph;
    ShownGraph() {
        graph.resize(420, 240);
        graph.show();
    }
};

std::vector<double> level(std::size_t count, double volts) {
    return std::vector<double>(count, volts);
}

} // namespace

TEST(AdvGraph, ShowsTheBlockAsATraceOnAVoltScaleThatHoldsIt) {
    ShownGraph g;
    const QImage empty = grabbed(g.graph);
    EXPECT_EQ(pixelsLike(empty, empty.rect(), Trace), 0) << "no trace before the first block";
    EXPECT_EQ(g.graph.voltHigh(), 10.0);

    const std::vector<double> block = level(1000, 3.0);
    g.graph.PlotGraphs(block, 1, 1);
    pump(30);
    EXPECT_EQ(g.graph.shownSamples(), 1000u);
    EXPECT_EQ(g.graph.voltLow(), -5.0); // 3 V fits the ±5 V step
    EXPECT_EQ(g.graph.voltHigh(), 5.0);

    // 3 V on a ±5 V scale lies a fifth of the plot height below its top.
    const QImage image = grabbed(g.graph);
    int traceRows = 0;
    int sumRows = 0;
    for (int y = 0; y < image.height(); ++y) {
        const int n = pixelsLike(image, QRect(0, y, image.width(), 1), Trace);
        if (n > 200) {
            ++traceRows;
            sumRows += y;
        }
    }
    ASSERT_GT(traceRows, 0) << "a level block draws a horizontal trace";
    const int plotTop = 6;
    const int plotHeight = 240 - 6 - 18;
    EXPECT_NEAR(static_cast<double>(sumRows) / traceRows, plotTop + plotHeight * 0.2, 3.0);
}

TEST(AdvGraph, FixedRangeAutoRangeAndClear) {
    ShownGraph g;
    g.graph.setVoltRange(-1.0, 1.0);
    const std::vector<double> block = level(50, 0.4);
    g.graph.PlotGraphs(block);
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 1.0);
    g.graph.setVoltRange(2.0, 2.0); // refused: empty range
    EXPECT_EQ(g.graph.voltHigh(), 1.0);
    g.graph.setAutoRange();
    EXPECT_EQ(g.graph.voltHigh(), 0.5);

    const std::vector<double> big = level(10, 1e300);
    g.graph.PlotGraphs(big);
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 1e6) << "the scale stops at its largest step";
    grabbed(g.graph); // paints without trouble

    // The scale narrows only with room to spare: 4.7 V keeps ±10, 4.4 V narrows to ±5.
    g.graph.PlotGraphs(level(10, 9.0));
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 10.0);
    g.graph.PlotGraphs(level(10, 4.7));
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 10.0);
    g.graph.PlotGraphs(level(10, -4.4));
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 5.0);
    g.graph.PlotGraphs(level(10, 5.01));
    pump(30);
    EXPECT_EQ(g.graph.voltHigh(), 10.0) << "it widens at once";

    g.graph.clear();
    EXPECT_EQ(g.graph.shownSamples(), 0u);
    const QImage image = grabbed(g.graph);
    EXPECT_EQ(pixelsLike(image, image.rect(), Trace), 0);
}

TEST(AdvGraph, BlocksFasterThanTheScreenAreCoalescedNewestFirst) {
    ShownGraph g;
    pump(20);
    const std::uint64_t before = g.graph.framesPainted();
    for (std::size_t n = 1; n <= 500; ++n) {
        const std::vector<double> block = level(n, 1.0);
        g.graph.PlotGraphs(block);
    }
    pump(60);
    EXPECT_EQ(g.graph.shownSamples(), 500u) << "the newest block is the one shown";
    EXPECT_EQ(g.graph.feed()->blocksPlotted(), 500u);
    EXPECT_LE(g.graph.framesPainted() - before, 3u) << "500 blocks in one go are not 500 repaints";
    EXPECT_GE(g.graph.framesPainted() - before, 1u);
}

TEST(AdvGraph, DisabledGraphDrawsNoBrightTrace) {
    ShownGraph g;
    const std::vector<double> block = level(400, 0.0);
    g.graph.PlotGraphs(block);
    pump(30);
    const QImage on = grabbed(g.graph);
    EXPECT_GT(pixelsLike(on, on.rect(), Trace), 200);
    g.graph.setEnabled(false);
    const QImage off = grabbed(g.graph);
    EXPECT_EQ(pixelsLike(off, off.rect(), Trace), 0);
    EXPECT_NE(off.pixelColor(200, 100), on.pixelColor(200, 100)) << "the screen itself greys";
}

TEST(AdvGraph, ThreadsPlotWhileTheScreenPaints) {
    auto g = std::make_unique<ShownGraph>();
    std::shared_ptr<AnalogFeed> feed = g->graph.feed();
    std::atomic<bool> stop{false};
    std::vector<std::thread> producers;
    for (int t = 0; t < 3; ++t) {
        producers.emplace_back([&, t] {
            std::vector<double> block(20000 + 1000 * t);
            for (std::size_t i = 0; i < block.size(); ++i)
                block[i] = std::sin(0.001 * static_cast<double>(i)) * (t + 1);
            while (!stop.load())
                feed->PlotGraphs(block, 1, 1);
        });
    }
    for (int round = 0; round < 20; ++round) {
        pump(10);
        grabbed(g->graph);
        if (round == 10)
            g->graph.resize(300 + round, 200);
    }
    EXPECT_GT(g->graph.framesPainted(), 1u);
    const std::size_t shown = g->graph.shownSamples();
    EXPECT_TRUE(shown == 20000u || shown == 21000u || shown == 22000u) << shown;

    // The producers keep plotting while the graph goes away; their blocks are then dropped.
    g.reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    stop = true;
    for (auto& p : producers)
        p.join();
    pump(20);
    EXPECT_GT(feed->blocksPlotted(), 3u);
}
