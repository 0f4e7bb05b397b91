#pragma once

#include "maker/controls/graph_feed.h"

#include <QWidget>

#include <cstdint>
#include <memory>

namespace doz::controls {

class BackgroundCache;
class FramePacer;

// Digital (logic) graph of the test panels: one trace per bit line of the samples, labelled
// "D0", "D1", ... on the left, with the sample scale below; a line that changes within a pixel
// column draws as an edge there. A disabled graph draws greyed.
//
// PlotDigitalGraphs may be called from any thread (see DigitalFeed for the full contract): it
// reduces the block during the call and schedules a queued repaint, never blocks and never keeps
// the block. Every other member belongs to the user-interface thread.
class TAdvDigitalGraph : public QWidget {
    Q_OBJECT
public:
    explicit TAdvDigitalGraph(QWidget* parent = nullptr);
    ~TAdvDigitalGraph() override;

    // Any thread: `data` holds samples of `width` bits (8, 16 or 32); other widths are ignored.
    void PlotDigitalGraphs(DigitalSamples data, std::int16_t width);

    std::shared_ptr<DigitalFeed> feed() const { return feed_; }

    // Drops the traces on screen and any frame waiting to be drawn. A block plotted after this
    // call is drawn as usual, so clear once the producer has stopped (after Radezuvi_Stop).
    void clear();

    // What the screen shows: bit lines traced, samples of the block drawn, frames drawn so far.
    int shownLines() const { return shown_.width; }
    std::size_t shownSamples() const { return shown_.samples; }
    std::uint64_t framesPainted() const { return framesPainted_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool presentWaitingFrame();
    QRect plotArea() const;

    std::shared_ptr<DigitalFeed> feed_;
    DigitalEnvelope shown_;
    std::unique_ptr<BackgroundCache> background_;
    FramePacer* pacer_ = nullptr;
    std::uint64_t framesPainted_ = 0;
};

} // namespace doz::controls
