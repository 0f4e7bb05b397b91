#include "maker/controls/adv_digital_graph.h"

#include "screen_probe.h"

#include <gtest/gtest.h>

#include <QImage>

#include <atomic>
#include <cstdint>
#include <thread>
#include <vector>

using namespace doz::controls;
using namespace doz::controls::test;

namespace {

const QColor Trace(64, 240, 120);

// Trace pixels of lane `line` of `lines`, in its upper (level 1) or lower (level 0) half.
int laneHalf(const QImage& image, int lines, int line, bool upper) {
    const int plotTop = 6;
    const int plotHeight = image.height() - 6 - 18;
    const double lane = static_cast<double>(plotHeight) / lines;
    const int top = plotTop + static_cast<int>(lane * (line + (upper ? 0.0 : 0.5)));
    return pixelsLike(image, QRect(46, top, image.width() - 52, static_cast<int>(lane / 2)), Trace);
}

} // namespace

TEST(AdvDigitalGraph, OneTracePerBitLineAtItsLevel) {
    TAdvDigitalGraph graph;
    graph.resize(420, 300);
    graph.show();
    // Line 0 always 1, line 1 always 0, line 2 toggling every sample.
    std::vector<std::uint8_t> words(2000);
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] = static_cast<std::uint8_t>(0x01 | ((i & 1) << 2));
    graph.PlotDigitalGraphs({words.data(), words.size()}, 8);
    pump(30);
    EXPECT_EQ(graph.shownLines(), 8);
    EXPECT_EQ(graph.shownSamples(), 2000u);

    const QImage image = grabbed(graph);
    EXPECT_GT(laneHalf(image, 8, 0, true), 300) << "line 0 runs high";
    EXPECT_LT(laneHalf(image, 8, 0, false), 20);
    EXPECT_GT(laneHalf(image, 8, 1, false), 300) << "line 1 runs low";
    EXPECT_LT(laneHalf(image, 8, 1, true), 20);
    EXPECT_GT(laneHalf(image, 8, 2, true), 1000)
        << "a line toggling in every column fills its lane with edges";

    const std::vector<std::uint16_t> wide(100, 0x8000);
    graph.PlotDigitalGraphs({wide.data(), wide.size()}, 16);
    pump(30);
    EXPECT_EQ(graph.shownLines(), 16);
    EXPECT_GT(laneHalf(grabbed(graph), 16, 15, true), 100);

    graph.PlotDigitalGraphs({wide.data(), wide.size()}, 12); // not a sample width: ignored
    pump(30);
    EXPECT_EQ(graph.shownLines(), 16);

    graph.setEnabled(false);
    const QImage off = grabbed(graph);
    EXPECT_EQ(pixelsLike(off, off.rect(), Trace), 0);
    graph.clear();
    EXPECT_EQ(graph.shownSamples(), 0u);
}

TEST(AdvDigitalGraph, ThreadsPlotWhileTheScreenPaints) {
    TAdvDigitalGraph graph;
    graph.resize(300, 200);
    graph.show();
    std::atomic<bool> stop{false};
    std::vector<std::thread> producers;
    for (int t = 0; t < 2; ++t) {
        producers.emplace_back([&, t] {
            std::vector<std::uint32_t> block(5000 + t);
            for (std::size_t i = 0; i < block.size(); ++i)
                block[i] = static_cast<std::uint32_t>(i);
            while (!stop.load())
                graph.PlotDigitalGraphs({block.data(), block.size()}, 32);
        });
    }
    for (int round = 0; round < 15; ++round) {
        pump(10);
        grabbed(graph);
    }
    stop = true;
    for (auto& p : producers)
        p.join();
    pump(30);
    EXPECT_EQ(graph.shownLines(), 32);
    EXPECT_TRUE(graph.shownSamples() == 5000u || graph.shownSamples() == 5001u);
    EXPECT_GT(graph.framesPainted(), 1u);
}
