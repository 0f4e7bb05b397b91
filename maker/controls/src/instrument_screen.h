#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include <cstddef>

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

} // namespace doz::controls
