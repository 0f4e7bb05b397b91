// Pixel checks on grabbed controls.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

namespace doz::controls::test {

// The widget drawn offscreen as an image.
QImage grabbed(QWidget& widget);

// Pixels of `area` close to `colour` (each channel within 40).
int pixelsLike(const QImage& image, const QRect& area, const QColor& colour);

// Lets queued calls and the graphs' frame pacing run for about `ms` milliseconds.
void pump(int ms);

} // namespace doz::controls::test
