#include "screen_probe.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

#include <cstdlib>

namespace doz::controls::test {

QImage grabbed(QWidget& widget) {
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsLike(const QImage& image, const QRect& area, const QColor& colour) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= 40 && std::abs(c.green() - colour.green()) <= 40 &&
                std::abs(c.blue() - colour.blue()) <= 40)
                ++count;
        }
    }
    return count;
}

void pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
}

} // namespace doz::controls::test
