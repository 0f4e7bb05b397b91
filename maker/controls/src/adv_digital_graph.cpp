#include "maker/controls/adv_digital_graph.h"

#include "frame_mailbox.h"
#include "frame_pacer.h"
#include "instrument_screen.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>

namespace doz::controls {
namespace {

const QColor TraceColour(64, 240, 120);
constexpr int IdleLines = 8; // lanes drawn before the first block

} // namespace

TAdvDigitalGraph::TAdvDigitalGraph(QWidget* parent)
    : QWidget(parent), feed_(std::make_shared<DigitalFeed>()),
      background_(std::make_unique<BackgroundCache>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    pacer_ = new FramePacer(this, [this] { return presentWaitingFrame(); });
    feed_->mailbox_->attach(new QueuedCall(this, [this] {
        feed_->mailbox_->acknowledge();
        pacer_->frameArrived();
    }));
    feed_->mailbox_->setColumns(std::max(1, plotArea().width()));
}

TAdvDigitalGraph::~TAdvDigitalGraph() {
    feed_->mailbox_->detach();
}

void TAdvDigitalGraph::PlotDigitalGraphs(DigitalSamples data, std::int16_t width) {
    feed_->PlotDigitalGraphs(data, width);
}

void TAdvDigitalGraph::clear() {
    feed_->mailbox_->discard();
    shown_ = DigitalEnvelope{};
    update();
}

QSize TAdvDigitalGraph::sizeHint() const {
    return {420, 240};
}

QSize TAdvDigitalGraph::minimumSizeHint() const {
    return {160, 100};
}

bool TAdvDigitalGraph::presentWaitingFrame() {
    if (!feed_->mailbox_->collect(shown_))
        return false;
    update();
    return true;
}

QRect TAdvDigitalGraph::plotArea() const {
    return plotAreaOf(rect());
}

void TAdvDigitalGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    feed_->mailbox_->setColumns(std::max(1, plotArea().width()));
}

void TAdvDigitalGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = plotArea();
    const int lines = shown_.width > 0 ? shown_.width : IdleLines;
    const ScreenColors colors = screenColors(*this, TraceColour);
    const double lane = static_cast<double>(plot.height()) / lines;
    background_->paint(
        painter, *this, QStringLiteral("%1 %2").arg(lines).arg(shown_.samples), [&](QPainter& p) {
            drawScreen(p, rect(), plot, GridXDivisions, lines, colors);
            drawSampleScale(p, plot, shown_.samples, GridXDivisions, colors);
            // Labels are left out where lanes are lower than the text.
            const int labelEvery =
                std::max(1, static_cast<int>(p.fontMetrics().height() / std::max(lane, 1.0)) + 1);
            for (int n = 0; n < lines; n += labelEvery)
                drawLeftLabel(p, plot, plot.top() + static_cast<int>(lane * (n + 0.5)),
                              QStringLiteral("D%1").arg(n), colors);
        });

    // Line n has lane n from the top; a lane's trace runs between a quarter and three quarters of
    // its height.
    const std::size_t columns = shown_.ones.size();
    if (columns == 0 || plot.width() <= 0 || plot.height() <= 0)
        return;
    ++framesPainted_;

    painter.setClipRect(plot);
    painter.setPen(QPen(colors.trace, 1));
    const double step = static_cast<double>(plot.width()) / static_cast<double>(columns);
    QPolygonF trace;
    trace.reserve(static_cast<qsizetype>(columns * 2 + 2));
    for (int n = 0; n < shown_.width; ++n) {
        const std::uint32_t bit = std::uint32_t{1} << n;
        const double highY = plot.top() + lane * (n + 0.25);
        const double lowY = plot.top() + lane * (n + 0.75);
        trace.clear();
        double lastY = 0.0;
        for (std::size_t c = 0; c < columns; ++c) {
            const bool one = (shown_.ones[c] & bit) != 0;
            const bool zero = (shown_.zeros[c] & bit) != 0;
            const double x0 = plot.left() + static_cast<double>(c) * step;
            const double x1 = x0 + step;
            if (one && zero) {
                // The line changed inside the column: an edge from where it was to the other level.
                const double from = trace.isEmpty() ? lowY : lastY;
                const double to = from == lowY ? highY : lowY;
                trace << QPointF(x0, from) << QPointF(x0, to) << QPointF(x1, to);
                lastY = to;
            } else {
                const double y = one ? highY : lowY;
                if (!trace.isEmpty() && y != lastY)
                    trace << QPointF(x0, lastY);
                trace << QPointF(x0, y) << QPointF(x1, y);
                lastY = y;
            }
        }
        painter.drawPolyline(trace);
    }
}

} // namespace doz::controls
