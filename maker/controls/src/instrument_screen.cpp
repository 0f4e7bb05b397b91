#include "instrument_screen.h"

#include <QFontMetrics>
#include <QPainter>
#include <QWidget>

namespace doz::controls {
namespace {

constexpr int LeftRoom = 46;
constexpr int BottomRoom = 18;
constexpr int Border = 6;

} // namespace

ScreenColors screenColors(const QWidget& widget, const QColor& trace) {
    const bool on = widget.isEnabled();
    ScreenColors colors;
    colors.background = widget.palette().color(QPalette::Window);
    colors.screen = on ? QColor(16, 24, 20) : QColor(70, 70, 70);
    colors.grid = on ? QColor(40, 84, 60) : QColor(104, 104, 104);
    colors.text = widget.palette().color(on ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    colors.trace = on ? trace : QColor(150, 150, 150);
    return colors;
}

QRect plotAreaOf(const QRect& whole) {
    return whole.adjusted(LeftRoom, Border, -Border, -BottomRoom);
}

void drawScreen(QPainter& painter, const QRect& whole, const QRect& plot, int xDivisions, int yDivisions,
                const ScreenColors& colors) {
    painter.fillRect(whole, colors.background);
    painter.fillRect(plot, colors.screen);
    painter.setPen(QPen(colors.grid, 1, Qt::DotLine));
    for (int i = 1; i < xDivisions; ++i) {
        const int x = plot.left() + plot.width() * i / xDivisions;
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    for (int i = 1; i < yDivisions; ++i) {
        const int y = plot.top() + plot.height() * i / yDivisions;
        painter.drawLine(plot.left(), y, plot.right(), y);
    }
    painter.setPen(QPen(colors.grid, 1));
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
}

void drawSampleScale(QPainter& painter, const QRect& plot, std::size_t samples, int xDivisions,
                     const ScreenColors& colors) {
    painter.setPen(colors.text);
    const QFontMetrics metrics = painter.fontMetrics();
    const int y = plot.bottom() + 2;
    const std::size_t last = samples > 0 ? samples - 1 : 0;
    const auto divisions = static_cast<std::size_t>(xDivisions);
    // Labels every second grid line, or further apart when long sample numbers would touch.
    const int widest = metrics.horizontalAdvance(QString::number(static_cast<qulonglong>(last))) + 12;
    int stride = 2;
    while (stride < xDivisions && plot.width() * stride / xDivisions < widest)
        stride *= 2;
    for (int i = 0; samples > 0 && i <= xDivisions; i += stride) {
        // The sample under grid line i, rounded to the nearest.
        const QString text = QString::number(
            static_cast<qulonglong>((last * static_cast<std::size_t>(i) + divisions / 2) / divisions));
        const int x = plot.left() + plot.width() * i / xDivisions;
        const int w = metrics.horizontalAdvance(text);
        const int left = i == 0 ? x : (i == xDivisions ? x - w : x - w / 2);
        painter.drawText(QRect(left, y, w + 1, metrics.height()), Qt::AlignLeft | Qt::AlignTop, text);
    }
    const QString unit = QStringLiteral("samples");
    const int w = metrics.horizontalAdvance(unit);
    painter.drawText(QRect(plot.left() - LeftRoom, y, LeftRoom - 2, metrics.height()),
                     Qt::AlignRight | Qt::AlignTop, w < LeftRoom ? unit : QString());
}

void drawLeftLabel(QPainter& painter, const QRect& plot, int y, const QString& text,
                   const ScreenColors& colors) {
    painter.setPen(colors.text);
    const int h = painter.fontMetrics().height();
    painter.drawText(QRect(plot.left() - LeftRoom, y - h / 2, LeftRoom - 4, h),
                     Qt::AlignRight | Qt::AlignVCenter, text);
}

void BackgroundCache::paint(QPainter& painter, const QWidget& widget, const QString& key,
                            const std::function<void(QPainter&)>& draw) {
    const qreal ratio = widget.devicePixelRatioF();
    const QString fullKey = QStringLiteral("%1x%2@%3 %4 %5")
                                .arg(widget.width())
                                .arg(widget.height())
                                .arg(ratio)
                                .arg(widget.isEnabled())
                                .arg(key);
    if (fullKey != key_ || pixmap_.isNull()) {
        pixmap_ = QPixmap(widget.size() * ratio);
        pixmap_.setDevicePixelRatio(ratio);
        QPainter background(&pixmap_);
        background.setFont(widget.font());
        draw(background);
        key_ = fullKey;
    }
    painter.drawPixmap(0, 0, pixmap_);
}

} // namespace doz::controls
