#pragma once

#include "maker/controls/envelope.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <span>

namespace doz::controls {

template <class Envelope> class FrameMailbox;
class TAdvGraph;
class TAdvDigitalGraph;

// The data side of a graph, apart from the widget, so an engine callback can hand a block to a
// graph without touching a widget. A feed is shared (std::shared_ptr) between its graph and any
// number of producers and outlives the graph safely: blocks plotted after the graph is gone are
// reduced and dropped.
//
// Thread contract of the Plot calls (any thread, several at once):
// - the block is read during the call only and never kept, so a callback may pass the engine's
//   own buffer;
// - the block is reduced in one pass, outside any lock, into an envelope of about two points per
//   pixel column; the lock is then held only to swap that envelope into the frame waiting to be
//   drawn, so the call never waits on painting or on the user-interface thread;
// - a newer block replaces a frame that was not drawn yet (the newest frame wins), and at most one
//   queued repaint request is in flight, so memory stays bounded whatever the block rate;
// - the graph draws waiting frames at screen rate (at most about 60 a second).
class AnalogFeed {
public:
    AnalogFeed();
    ~AnalogFeed();
    AnalogFeed(const AnalogFeed&) = delete;
    AnalogFeed& operator=(const AnalogFeed&) = delete;

    // Shows `data` (element 0 first) as the graph's trace. `traces` and `reserved` are the two
    // 16-bit arguments of the panels' call form, always 1 and 1: the block draws as one trace.
    void PlotGraphs(std::span<const double> data, std::int16_t traces = 1, std::int16_t reserved = 1);

    // Blocks handed to PlotGraphs so far (empty blocks included, they change nothing on screen).
    std::uint64_t blocksPlotted() const { return plotted_.load(std::memory_order_relaxed); }

private:
    friend class TAdvGraph;
    std::unique_ptr<FrameMailbox<AnalogEnvelope>> mailbox_;
    std::atomic<std::uint64_t> plotted_{0};
};

// The data side of a digital graph; the same thread contract as AnalogFeed.
class DigitalFeed {
public:
    DigitalFeed();
    ~DigitalFeed();
    DigitalFeed(const DigitalFeed&) = delete;
    DigitalFeed& operator=(const DigitalFeed&) = delete;

    // Shows `data`, samples of `width` bits (8, 16 or 32), one trace per bit line. A block of
    // another width, a null block or an empty one changes nothing.
    void PlotDigitalGraphs(DigitalSamples data, std::int16_t width);

    std::uint64_t blocksPlotted() const { return plotted_.load(std::memory_order_relaxed); }

private:
    friend class TAdvDigitalGraph;
    std::unique_ptr<FrameMailbox<DigitalEnvelope>> mailbox_;
    std::atomic<std::uint64_t> plotted_{0};
};

} // namespace doz::controls
