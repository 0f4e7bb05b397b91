#include "splash_pictures.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace doz::shell {
namespace {

const QColor Navy(0x0b, 0x2d, 0x6b);
const QColor Blue(0x1e, 0x6f, 0xb8);

// A trace of `shape` (x in periods, result -1..1) across `area`.
QPainterPath trace(const QRectF& area, double periods, const std::function<double(double)>& shape) {
    QPainterPath path;
    const int steps = static_cast<int>(area.width());
    for (int i = 0; i <= steps; ++i) {
        const double x = area.left() + i;
        const double y = area.center().y() - shape(periods * i / steps) * area.height() / 2;
        i == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    return path;
}

double sine(double t) {
    return std::sin(2 * M_PI * t);
}
double square(double t) {
    return t - std::floor(t) < 0.5 ? 0.8 : -0.8;
}
double ramp(double t) {
    return 1.6 * (t - std::floor(t)) - 0.8;
}

// An oscilloscope-like screen with a grid and three traces.
void drawScope(QPainter& p, const QRectF& screen) {
    p.setPen(QPen(QColor(120, 170, 230, 160), 1.5));
    p.setBrush(QColor(4, 20, 48, 200));
    p.drawRoundedRect(screen, 8, 8);
    p.setPen(QPen(QColor(90, 140, 200, 70), 1));
    for (int i = 1; i < 10; ++i) {
        const double x = screen.left() + screen.width() * i / 10;
        p.drawLine(QPointF(x, screen.top() + 4), QPointF(x, screen.bottom() - 4));
    }
    for (int i = 1; i < 8; ++i) {
        const double y = screen.top() + screen.height() * i / 8;
        p.drawLine(QPointF(screen.left() + 4, y), QPointF(screen.right() - 4, y));
    }
    const double band = screen.height() / 3;
    const QRectF lanes[] = {
        QRectF(screen.left() + 6, screen.top() + 8, screen.width() - 12, band - 16),
        QRectF(screen.left() + 6, screen.top() + band + 8, screen.width() - 12, band - 16),
        QRectF(screen.left() + 6, screen.top() + 2 * band + 8, screen.width() - 12, band - 16),
    };
    const std::pair<QColor, std::function<double(double)>> traces[] = {
        {QColor(90, 230, 255), sine}, {QColor(120, 255, 140), square}, {QColor(255, 190, 80), ramp}};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(traces[i].first, 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(trace(lanes[i], 2.5 + i, traces[i].second));
    }
}

// A plug-in card seen from above: board, chips, connector and the gold edge fingers.
void drawCard(QPainter& p, const QRectF& board) {
    p.setPen(QPen(QColor(10, 70, 30), 1.5));
    p.setBrush(QColor(24, 120, 60));
    p.drawRoundedRect(board, 4, 4);
    p.setBrush(QColor(205, 160, 40));
    p.setPen(Qt::NoPen);
    const double fingerTop = board.bottom() - 2;
    for (double x = board.left() + 30; x < board.right() - 40; x += 7)
        p.drawRect(QRectF(x, fingerTop, 4, 12));
    p.setBrush(QColor(30, 30, 34));
    p.drawRect(QRectF(board.left() + 24, board.top() + 18, 46, 34));
    p.drawRect(QRectF(board.left() + 84, board.top() + 24, 30, 22));
    p.drawRect(QRectF(board.left() + 128, board.top() + 24, 30, 22));
    p.setBrush(QColor(170, 175, 185));
    p.drawRect(QRectF(board.right() - 18, board.top() + 6, 14, board.height() - 12));
    p.setPen(QPen(QColor(190, 230, 200, 120), 1));
    for (int i = 0; i < 5; ++i) {
        const double y = board.top() + 60 + i * 5;
        p.drawLine(QPointF(board.left() + 16, y), QPointF(board.right() - 26, y));
    }
}

} // namespace

QPixmap WelcomePixmap(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, width, height);
    bg.setColorAt(0, Navy);
    bg.setColorAt(1, Blue);
    p.fillRect(pm.rect(), bg);

    drawScope(p, QRectF(width * 0.52, height * 0.10, width * 0.44, height * 0.56));
    drawCard(p, QRectF(width * 0.05, height * 0.58, width * 0.36, height * 0.25));

    QFont title("Sans Serif");
    title.setBold(true);
    title.setPixelSize(height / 7);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(width * 0.05, height * 0.08, width * 0.45, height * 0.2),
               Qt::AlignLeft | Qt::AlignVCenter, "Revorur");
    QFont sub("Sans Serif");
    sub.setPixelSize(height / 20);
    p.setFont(sub);
    p.setPen(QColor(210, 230, 255));
    p.drawText(QRectF(width * 0.05, height * 0.28, width * 0.45, height * 0.08),
               Qt::AlignLeft | Qt::AlignVCenter, "Version 1.52");
    sub.setPixelSize(height / 24);
    p.setFont(sub);
    p.drawText(QRectF(width * 0.05, height * 0.37, width * 0.44, height * 0.18),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               "Device, task and software manager for Dozazar DAQ cards");

    p.fillRect(QRectF(0, height * 0.88, width, height * 0.12), QColor(4, 20, 48, 170));
    QFont maker("Sans Serif");
    maker.setBold(true);
    maker.setPixelSize(height / 22);
    p.setFont(maker);
    p.setPen(Qt::white);
    p.drawText(QRectF(width * 0.05, height * 0.88, width * 0.9, height * 0.12),
               Qt::AlignLeft | Qt::AlignVCenter, "Dozazar Test & Measurement");
    return pm;
}

QPixmap ProgramIconPixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(1, 1, size - 2, size - 2);
    QLinearGradient bg(tile.topLeft(), tile.bottomRight());
    bg.setColorAt(0, Blue);
    bg.setColorAt(1, Navy);
    p.setPen(QPen(Navy.darker(130), 1));
    p.setBrush(bg);
    p.drawRoundedRect(tile, size / 6.0, size / 6.0);
    p.setPen(QPen(QColor(120, 220, 255), std::max(1.5, size / 24.0)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(trace(QRectF(size * 0.1, size * 0.58, size * 0.8, size * 0.3), 1.5, sine));
    QFont letter("Sans Serif");
    letter.setBold(true);
    letter.setPixelSize(size / 2);
    p.setFont(letter);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, size * 0.04, size, size * 0.56), Qt::AlignCenter, "R");
    return pm;
}

} // namespace doz::shell
