#pragma once

#include "maker/controls/graph_feed.h"

#include <QWidget>

#include <cstdint>
#include <memory>
#include <span>

namespace doz::controls {

class BackgroundCache;
class FramePacer;

// Analog graph of the test panels: a dark instrument screen with a grid, the volt scale on the
// left and the sample scale below, and the newest block as a bright trace. The volt scale follows
// the data (the smallest of ±1 mV, ±2 mV, ±5 mV ... ±1, ±2, ±5, ±10 V ... that holds the block;
// it narrows only when the data fits the narrower scale with a tenth to spare, so a signal at a
// step does not make it flicker) unless a fixed range is set. A disabled graph draws greyed.
//
// PlotGraphs may be called from any thread (see AnalogFeed for the full contract): it reduces the
// block during the call and schedules a queued repaint, never blocks and never keeps the block.
// Every other member belongs to the user-interface thread.
class TAdvGraph : public QWidget {
    Q_OBJECT
public:
    explicit TAdvGraph(QWidget* parent = nullptr);
    ~TAdvGraph() override;

    // Any thread: hands the graph a new block to show (the caller keeps its buffer).
    void PlotGraphs(std::span<const double> data, std::int16_t traces = 1, std::int16_t reserved = 1);

    // The graph's data side, for producers that must not hold the widget (an engine callback's
    // sink object). Plotting into it is PlotGraphs.
    std::shared_ptr<AnalogFeed> feed() const { return feed_; }

    // Drops the trace on screen and any frame waiting to be drawn. A block plotted after this
    // call is drawn as usual, so clear once the producer has stopped (after Radezuvi_Stop).
    void clear();
    // A fixed volt scale from `low` to `high` (low < high), or back to the scale that follows the data.
    void setVoltRange(double low, double high);
    void setAutoRange();

    // What the screen shows: the volt scale, the samples of the block drawn, frames drawn so far.
    double voltLow() const { return voltLow_; }
    double voltHigh() const { return voltHigh_; }
    std::size_t shownSamples() const { return shown_.samples; }
    std::uint64_t framesPainted() const { return framesPainted_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool presentWaitingFrame();
    void updateVoltScale();
    QRect plotArea() const;

    std::shared_ptr<AnalogFeed> feed_;
    AnalogEnvelope shown_;
    std::unique_ptr<BackgroundCache> background_;
    FramePacer* pacer_ = nullptr;
    bool autoRange_ = true;
    double voltLow_ = -10.0;
    double voltHigh_ = 10.0;
    std::uint64_t framesPainted_ = 0;
};

} // namespace doz::controls
