#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QString>

#include <cstddef>
#include <functional>

class QPainter;
class QWidget;

namespace doz::controls {

// The look the two graphs share: a dark screen with a lit grid, scale texts beside and below it,
// greyed when the control is disabled.
struct ScreenColors {
    QColor background;
    QColor screen;
    QColor grid;
    QColor text;
    QColor trace;
};

ScreenColors screenColors(const QWidget& widget, const QColor& trace);

// The plot area of a graph of `size`, inside room for the left scale and the sample scale below.
QRect plotAreaOf(const QRect& whole);

// Background, screen, border and a grid of `xDivisions` by `yDivisions`.
void drawScreen(QPainter& painter, const QRect& whole, const QRect& plot, int xDivisions, int yDivisions,
                const ScreenColors& colors);

// Sample numbers under every second vertical grid line, from 0 to `samples` - 1, and the unit.
void drawSampleScale(QPainter& painter, const QRect& plot, std::size_t samples, int xDivisions,
                     const ScreenColors& colors);

// A scale text left of the plot, vertically centred on `y`.
void drawLeftLabel(QPainter& painter, const QRect& plot, int y, const QString& text,
                   const ScreenColors& colors);

inline constexpr int GridXDivisions = 10;

// A graph's background (screen, grid, scales) drawn once into a pixmap and reused for every
// frame until what it shows changes, so a frame costs little more than its trace.
class BackgroundCache {
public:
    // Paints the background of `widget`; redraws it first with `draw` when `key` (everything the
    // background depends on besides the widget's size and state) has changed.
    void paint(QPainter& painter, const QWidget& widget, const QString& key,
               const std::function<void(QPainter&)>& draw);

private:
    QPixmap pixmap_;
    QString key_;
};

} // namespace doz::controls
