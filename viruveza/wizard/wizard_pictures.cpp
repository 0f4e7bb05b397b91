#include "viruveza/wizard/wizard_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace doz::wizard {

namespace {

const QColor kDeepBlue(16, 46, 96);
const QColor kMidBlue(34, 92, 168);
const QColor kTrace(120, 220, 170);

// A plug-in card seen from the side: board, gold edge fingers, a chip and a bracket.
void drawCard(QPainter& p, const QRectF& r, const QColor& board) {
    p.setPen(QPen(board.darker(160), 1.2));
    p.setBrush(board);
    p.drawRoundedRect(r, r.height() * 0.06, r.height() * 0.06);
    const qreal fingerTop = r.bottom() - r.height() * 0.14;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(222, 178, 64));
    const int fingers = 9;
    const qreal span = r.width() * 0.6;
    for (int i = 0; i < fingers; ++i)
        p.drawRect(QRectF(r.left() + r.width() * 0.25 + i * span / fingers, fingerTop, span / fingers * 0.6,
                          r.height() * 0.12));
    p.setBrush(QColor(40, 40, 48));
    p.drawRoundedRect(
        QRectF(r.left() + r.width() * 0.42, r.top() + r.height() * 0.22, r.width() * 0.3, r.height() * 0.36),
        2, 2);
    p.setBrush(QColor(190, 196, 206));
    p.drawRect(QRectF(r.left(), r.top() - r.height() * 0.08, r.width() * 0.07, r.height() * 1.1));
}

void drawWave(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    QPainterPath path;
    const int steps = 80;
    for (int i = 0; i <= steps; ++i) {
        const qreal x = r.left() + r.width() * i / steps;
        const qreal y = r.center().y() - r.height() / 2 * std::sin(i * 2 * M_PI * 2 / steps) *
                                             (0.55 + 0.45 * std::cos(i * M_PI / steps));
        if (i == 0)
            path.moveTo(x, y);
        else
            path.lineTo(x, y);
    }
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

} // namespace

QPixmap wizardWatermark() {
    QPixmap pixmap(164, 314);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, pixmap.height());
    sky.setColorAt(0, kMidBlue);
    sky.setColorAt(1, kDeepBlue);
    p.fillRect(pixmap.rect(), sky);
    p.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 12; y < pixmap.height(); y += 14)
        p.drawLine(0, y, pixmap.width(), y);
    drawWave(p, QRectF(10, 40, 144, 70), kTrace, 2.4);
    drawCard(p, QRectF(28, 150, 110, 64), QColor(36, 128, 72));
    QFont title("Sans", 15, QFont::Bold);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRectF(0, 236, pixmap.width(), 28), Qt::AlignCenter, "Ruzidavidez");
    QFont small("Sans", 8);
    p.setFont(small);
    p.setPen(QColor(200, 220, 255));
    p.drawText(QRectF(0, 262, pixmap.width(), 36), Qt::AlignCenter | Qt::TextWordWrap,
               "C code for Dozazar\nDAQ cards");
    return pixmap;
}

QPixmap wizardHeader() {
    QPixmap pixmap(52, 52);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, 52);
    face.setColorAt(0, kMidBlue);
    face.setColorAt(1, kDeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawRoundedRect(QRectF(2, 2, 48, 48), 8, 8);
    drawWave(p, QRectF(7, 12, 38, 20), kTrace, 2.2);
    QFont code("Monospace", 9, QFont::Bold);
    p.setFont(code);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 30, 48, 18), Qt::AlignCenter, "{ C }");
    return pixmap;
}

QPixmap cardLineIcon(int line) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawCard(p, QRectF(5, 8, 25, 17), line == 1 ? QColor(38, 96, 170) : QColor(36, 128, 72));
    return pixmap;
}

} // namespace doz::wizard
