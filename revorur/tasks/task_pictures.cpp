#include "revorur/tasks/task_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace doz::tasks {
namespace {

// What the lower half of a picture shows.
enum class Sketch {
    Folder,  // the root: a folder of tasks
    Dots,    // single readings
    Burst,   // one waveform, then nothing
    Wave,    // a waveform without end
    Step,    // a level that is set
    Arrow,   // a current pushed out
    Square,  // a generated function
    Bit,     // one line
    Bars,    // a port of lines
    Counter, // counted events
    Clock,   // timer ticks
};

struct Picture {
    QRgb color;
    const char* label;
    Sketch sketch;
};

constexpr QRgb analogIn = 0x1e6fb8, analogOut = 0x2e8b57, digitalIn = 0xd2691e, digitalOut = 0x7b4fa0,
               counter = 0xb22222;

// One row per picture index: the root, then the operations in the operation table's order.
constexpr Picture pictures[] = {
    {0x2f5597, "", Sketch::Folder},    {analogIn, "AI", Sketch::Dots},     {analogIn, "AI", Sketch::Burst},
    {analogIn, "AI", Sketch::Wave},    {analogOut, "AO", Sketch::Step},    {analogOut, "mA", Sketch::Arrow},
    {analogOut, "AO", Sketch::Burst},  {analogOut, "AO", Sketch::Wave},    {analogOut, "FG", Sketch::Square},
    {digitalIn, "DI", Sketch::Bit},    {digitalIn, "DI", Sketch::Bars},    {digitalIn, "DI", Sketch::Burst},
    {digitalIn, "DI", Sketch::Square}, {digitalOut, "DO", Sketch::Bit},    {digitalOut, "DO", Sketch::Bars},
    {digitalOut, "DO", Sketch::Burst}, {digitalOut, "DO", Sketch::Square}, {counter, "TC", Sketch::Counter},
    {counter, "TC", Sketch::Clock},    {counter, "54", Sketch::Square},
};

QPainterPath sinePath(const QRectF& r, double periods, double until) {
    QPainterPath path;
    for (double x = 0; x <= r.width(); x += 0.5) {
        const double phase = x / r.width();
        const double y = phase <= until ? std::sin(2 * std::numbers::pi * periods * phase) : 0.0;
        const QPointF p(r.left() + x, r.center().y() - y * r.height() / 2);
        x == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    return path;
}

void drawSketch(QPainter& p, Sketch sketch, const QRectF& r) {
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (sketch) {
    case Sketch::Folder: {
        QPainterPath folder;
        folder.moveTo(r.left(), r.top() - 6);
        folder.lineTo(r.left() + 7, r.top() - 6);
        folder.lineTo(r.left() + 10, r.top() - 3);
        folder.lineTo(r.right(), r.top() - 3);
        folder.lineTo(r.right(), r.bottom());
        folder.lineTo(r.left(), r.bottom());
        folder.closeSubpath();
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawPath(folder);
        break;
    }
    case Sketch::Dots:
        p.setBrush(Qt::white);
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(r.left() + 2 + i * r.width() / 3.6,
                                  r.center().y() - std::sin(i * 1.4) * r.height() / 2.5),
                          1.6, 1.6);
        break;
    case Sketch::Burst:
        p.drawPath(sinePath(r, 2, 0.55));
        break;
    case Sketch::Wave:
        p.drawPath(sinePath(r, 2, 1.0));
        break;
    case Sketch::Step: {
        const QPointF points[] = {{r.left(), r.bottom()},
                                  {r.center().x(), r.bottom()},
                                  {r.center().x(), r.top()},
                                  {r.right(), r.top()}};
        p.drawPolyline(points, 4);
        break;
    }
    case Sketch::Arrow: {
        const double y = r.center().y();
        p.drawLine(QPointF(r.left(), y), QPointF(r.right(), y));
        p.drawLine(QPointF(r.right() - 5, y - 4), QPointF(r.right(), y));
        p.drawLine(QPointF(r.right() - 5, y + 4), QPointF(r.right(), y));
        break;
    }
    case Sketch::Square: {
        QPainterPath path;
        const double step = r.width() / 4;
        path.moveTo(r.left(), r.bottom());
        for (int i = 0; i < 4; ++i) {
            const double x = r.left() + i * step, y = i % 2 ? r.bottom() : r.top();
            path.lineTo(x, y);
            path.lineTo(x + step, y);
        }
        p.drawPath(path);
        break;
    }
    case Sketch::Bit:
        p.setBrush(Qt::white);
        p.drawRect(QRectF(r.center().x() - 3, r.top(), 6, r.height()));
        break;
    case Sketch::Bars:
        p.setBrush(Qt::white);
        for (int i = 0; i < 6; ++i) {
            const double h = (i % 3 == 1) ? r.height() / 3 : r.height();
            p.drawRect(QRectF(r.left() + i * r.width() / 6 + 0.5, r.bottom() - h, r.width() / 6 - 2, h));
        }
        break;
    case Sketch::Counter: {
        QFont f("Sans Serif");
        f.setBold(true);
        f.setPixelSize(static_cast<int>(r.height()) + 2);
        p.setFont(f);
        p.drawText(r.adjusted(-2, -2, 2, 2), Qt::AlignCenter, "123");
        break;
    }
    case Sketch::Clock: {
        const double radius = r.height() / 2 + 0.5;
        const QPointF c = r.center();
        p.drawEllipse(c, radius, radius);
        p.drawLine(c, c + QPointF(0, -radius + 2));
        p.drawLine(c, c + QPointF(radius - 3, 0));
        break;
    }
    }
}

QIcon drawPicture(const Picture& picture) {
    constexpr int size = TaskPictureSize;
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor color(picture.color);
    const QRectF tile(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    fill.setColorAt(0, color.lighter(135));
    fill.setColorAt(1, color.darker(115));
    p.setPen(QPen(color.darker(140), 1));
    p.setBrush(fill);
    p.drawRoundedRect(tile, 5, 5);

    QFont f("Sans Serif");
    f.setBold(true);
    f.setPixelSize(11);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 2, size - 4, 12), Qt::AlignCenter, QString::fromLatin1(picture.label));
    drawSketch(p, picture.sketch, QRectF(5, 17, size - 10, 10));
    return QIcon(pm);
}

} // namespace

shell::ImageList TaskPictures() {
    shell::ImageList list;
    for (const Picture& picture : pictures)
        list.push_back(drawPicture(picture));
    return list;
}

} // namespace doz::tasks
