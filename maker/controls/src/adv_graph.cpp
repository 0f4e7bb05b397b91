#include "maker/controls/adv_graph.h"

#include "frame_mailbox.h"
#include "frame_pacer.h"
#include "instrument_screen.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>

namespace doz::controls {
namespace {

constexpr int VoltDivisions = 8;
const QColor TraceColour(255, 232, 64);

// The smallest scale step (1, 2, 5 per decade from 1 mV to 1 MV) that holds ±need.
double autoHalfSpan(double need) {
    for (double decade = 1e-3; decade <= 1e6; decade *= 10.0) {
        for (const double step : std::array{1.0, 2.0, 5.0}) {
            if (step * decade >= need * (1.0 - 1e-12))
                return step * decade;
        }
    }
    return 1e6;
}

QString voltText(double volts) {
    return QString::number(std::abs(volts) < 1e-12 ? 0.0 : volts, 'g', 4);
}

} // namespace

TAdvGraph::TAdvGraph(QWidget* parent)
    : QWidget(parent), feed_(std::make_shared<AnalogFeed>()),
      background_(std::make_unique<BackgroundCache>()) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    pacer_ = new FramePacer(this, [this] { return presentWaitingFrame(); });
    feed_->mailbox_->attach(new QueuedCall(this, [this] {
        feed_->mailbox_->acknowledge();
        pacer_->frameArrived();
    }));
    feed_->mailbox_->setColumns(std::max(1, plotArea().width()));
}

TAdvGraph::~TAdvGraph() {
    feed_->mailbox_->detach();
}

void TAdvGraph::PlotGraphs(std::span<const double> data, std::int16_t traces, std::int16_t reserved) {
    feed_->PlotGraphs(data, traces, reserved);
}

void TAdvGraph::clear() {
    feed_->mailbox_->discard();
    shown_ = AnalogEnvelope{};
    updateVoltScale();
    update();
}

void TAdvGraph::setVoltRange(double low, double high) {
    if (!(low < high) || !std::isfinite(low) || !std::isfinite(high))
        return;
    autoRange_ = false;
    voltLow_ = low;
    voltHigh_ = high;
    update();
}

void TAdvGraph::setAutoRange() {
    autoRange_ = true;
    updateVoltScale();
    update();
}

QSize TAdvGraph::sizeHint() const {
    return {420, 240};
}

QSize TAdvGraph::minimumSizeHint() const {
    return {160, 100};
}

bool TAdvGraph::presentWaitingFrame() {
    if (!feed_->mailbox_->collect(shown_))
        return false;
    updateVoltScale();
    update();
    return true;
}

void TAdvGraph::updateVoltScale() {
    if (!autoRange_)
        return;
    if (shown_.samples == 0) {
        voltLow_ = -10.0;
        voltHigh_ = 10.0;
        return;
    }
    const double need = std::max(std::abs(shown_.minimum), std::abs(shown_.maximum));
    const double current = std::max(std::abs(voltLow_), std::abs(voltHigh_));
    const double fitting = autoHalfSpan(need);
    if (fitting >= current || autoHalfSpan(need / 0.9) < current) {
        voltLow_ = -fitting;
        voltHigh_ = fitting;
    }
}

QRect TAdvGraph::plotArea() const {
    return plotAreaOf(rect());
}

void TAdvGraph::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    feed_->mailbox_->setColumns(std::max(1, plotArea().width()));
}

void TAdvGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect plot = plotArea();
    const ScreenColors colors = screenColors(*this, TraceColour);
    background_->paint(painter, *this,
                       QStringLiteral("%1 %2 %3").arg(voltLow_).arg(voltHigh_).arg(shown_.samples),
                       [&](QPainter& p) {
                           drawScreen(p, rect(), plot, GridXDivisions, VoltDivisions, colors);
                           for (int i = 0; i <= VoltDivisions; ++i) {
                               const double volts = voltHigh_ - (voltHigh_ - voltLow_) * i / VoltDivisions;
                               drawLeftLabel(p, plot, plot.top() + plot.height() * i / VoltDivisions,
                                             voltText(volts), colors);
                           }
                           drawSampleScale(p, plot, shown_.samples, GridXDivisions, colors);
                           p.setPen(colors.text);
                           p.drawText(QRect(0, 0, plot.left() - 4, plot.top() + p.fontMetrics().height()),
                                      Qt::AlignLeft | Qt::AlignTop, QStringLiteral("V"));
                       });

    const std::size_t columns = shown_.low.size();
    if (columns == 0 || plot.width() <= 0 || plot.height() <= 0)
        return;
    ++framesPainted_;

    // Volts to pixels, clamped just outside the screen so huge values and infinities stay drawable.
    const double top = plot.top();
    const double height = plot.height() - 1;
    const double span = voltHigh_ - voltLow_;
    auto yOf = [&](double volts) {
        const double y = top + (voltHigh_ - volts) / span * height;
        return std::clamp(y, top - 1.0, top + height + 1.0);
    };
    painter.setClipRect(plot);
    painter.setPen(QPen(colors.trace, 2.0));
    QPolygonF line;
    line.reserve(static_cast<qsizetype>(columns * 2));
    double lastY = 0.0;
    const double step = static_cast<double>(plot.width()) / static_cast<double>(columns);
    for (std::size_t c = 0; c < columns; ++c) {
        if (!(shown_.low[c] <= shown_.high[c])) {
            painter.drawPolyline(line);
            line.clear();
            continue;
        }
        const double x = plot.left() + (static_cast<double>(c) + 0.5) * step;
        double a = yOf(shown_.high[c]);
        double b = yOf(shown_.low[c]);
        if (!line.isEmpty() && std::abs(b - lastY) < std::abs(a - lastY))
            std::swap(a, b);
        line << QPointF(x, a);
        if (b != a)
            line << QPointF(x, b);
        lastY = b;
    }
    // A block of one sample is a level across the screen.
    if (columns == 1 && !line.isEmpty())
        line = QPolygonF{QPointF(plot.left(), line.front().y()), QPointF(plot.right(), line.front().y())};
    painter.drawPolyline(line);
}

} // namespace doz::controls
