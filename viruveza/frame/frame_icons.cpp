#include "viruveza/frame/frame_icons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <array>
#include <cmath>
#include <functional>

namespace doz::frame {

namespace {

constexpr int kSize = 32;

const QColor kInk(52, 62, 80);
const QColor kPaper(250, 251, 253);
const QColor kBlue(38, 104, 190);
const QColor kGreen(34, 139, 74);
const QColor kAmber(232, 170, 40);

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(QPen(kInk, 1.6));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
}

void textLines(QPainter& p, const QRectF& r, int count) {
    p.setPen(QPen(QColor(140, 150, 168), 1.4));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + (i + 1) * r.height() / (count + 1);
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * r.width() * 0.3, y));
    }
}

void disk(QPainter& p, const QRectF& r, const QColor& body) {
    p.setPen(QPen(body.darker(170), 1.5));
    p.setBrush(body);
    p.drawRoundedRect(r, 2.5, 2.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(r.left() + r.width() * 0.2, r.top() + 1.5, r.width() * 0.6, r.height() * 0.38));
    p.setBrush(QColor(210, 214, 222));
    p.drawRect(QRectF(r.left() + r.width() * 0.28, r.bottom() - r.height() * 0.36, r.width() * 0.44,
                      r.height() * 0.32));
}

void grid(QPainter& p, const QRectF& r, const QColor& colour) {
    p.setPen(QPen(colour.darker(140), 1.3));
    p.setBrush(kPaper);
    p.drawRect(r);
    for (int i = 1; i < 3; ++i) {
        p.drawLine(QPointF(r.left() + r.width() * i / 3, r.top()),
                   QPointF(r.left() + r.width() * i / 3, r.bottom()));
        p.drawLine(QPointF(r.left(), r.top() + r.height() * i / 3),
                   QPointF(r.right(), r.top() + r.height() * i / 3));
    }
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() / 3), colour);
}

void printer(QPainter& p) {
    p.setPen(QPen(kInk, 1.5));
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(120, 130, 148));
    p.drawRoundedRect(QRectF(4, 12, 24, 11), 2.5, 2.5);
    p.setBrush(kPaper);
    p.drawRect(QRectF(9, 19, 14, 9));
    textLines(p, QRectF(11, 19, 10, 9), 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawEllipse(QPointF(24, 16), 1.5, 1.5);
}

void magnifier(QPainter& p, const QPointF& centre, qreal radius) {
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(radius * 0.7, radius * 0.7), centre + QPointF(radius * 1.8, radius * 1.8));
    p.setPen(QPen(kInk, 2));
    p.setBrush(QColor(190, 220, 255, 200));
    p.drawEllipse(centre, radius, radius);
}

void wave(QPainter& p, const QRectF& r, const QColor& colour) {
    QPainterPath path;
    for (int i = 0; i <= 40; ++i) {
        const qreal x = r.left() + r.width() * i / 40;
        const qreal y = r.center().y() - r.height() / 2 * std::sin(i * 2 * M_PI / 20);
        i == 0 ? path.moveTo(x, y) : path.lineTo(x, y);
    }
    p.setPen(QPen(colour, 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void card(QPainter& p, const QRectF& r) {
    p.setPen(QPen(kGreen.darker(160), 1.3));
    p.setBrush(kGreen);
    p.drawRoundedRect(r, 2, 2);
    p.setPen(Qt::NoPen);
    p.setBrush(kAmber);
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(r.left() + 5 + i * (r.width() - 8) / 5, r.bottom() - 4, 3, 4));
    p.setBrush(QColor(40, 40, 48));
    p.drawRect(QRectF(r.center().x() - 4, r.top() + 4, 9, 8));
}

using Painter = std::function<void(QPainter&)>;

Painter painterFor(FrameIcon icon) {
    switch (icon) {
    case FrameIcon::Program:
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(24, 64, 128));
            p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
            wave(p, QRectF(5, 6, 22, 10), QColor(120, 220, 170));
            p.setPen(Qt::white);
            QFont font("Monospace", 8, QFont::Bold);
            p.setFont(font);
            p.drawText(QRectF(1, 16, 30, 14), Qt::AlignCenter, "{C}");
        };
    case FrameIcon::New:
        return [](QPainter& p) {
            page(p, QRectF(7, 3, 18, 26));
            p.setPen(QPen(kAmber, 2.4, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(22, 19), QPointF(22, 29));
            p.drawLine(QPointF(17, 24), QPointF(27, 24));
        };
    case FrameIcon::Open:
        return [](QPainter& p) {
            p.setPen(QPen(kAmber.darker(150), 1.5));
            p.setBrush(kAmber.darker(115));
            p.drawRoundedRect(QRectF(3, 8, 24, 19), 2, 2);
            QPainterPath flap;
            flap.moveTo(7, 13);
            flap.lineTo(30, 13);
            flap.lineTo(26, 27);
            flap.lineTo(3, 27);
            flap.closeSubpath();
            p.setBrush(kAmber);
            p.drawPath(flap);
        };
    case FrameIcon::Save:
        return [](QPainter& p) { disk(p, QRectF(5, 5, 22, 22), kBlue); };
    case FrameIcon::SaveAll:
        return [](QPainter& p) {
            disk(p, QRectF(3, 3, 18, 18), kBlue.lighter(130));
            disk(p, QRectF(11, 11, 18, 18), kBlue);
        };
    case FrameIcon::ExportExcel:
        return [](QPainter& p) { grid(p, QRectF(4, 6, 24, 20), kGreen); };
    case FrameIcon::ExportCsv:
        return [](QPainter& p) {
            page(p, QRectF(6, 3, 20, 26));
            p.setPen(kInk);
            QFont font("Sans", 6, QFont::Bold);
            p.setFont(font);
            p.drawText(QRectF(6, 12, 20, 12), Qt::AlignCenter, "CSV");
        };
    case FrameIcon::Print:
        return [](QPainter& p) { printer(p); };
    case FrameIcon::PrintPreview:
        return [](QPainter& p) {
            page(p, QRectF(4, 3, 18, 24));
            textLines(p, QRectF(7, 8, 10, 14), 4);
            magnifier(p, QPointF(19, 18), 5.5);
        };
    case FrameIcon::About:
        return [](QPainter& p) {
            p.setPen(QPen(kBlue.darker(140), 1.5));
            p.setBrush(kBlue);
            p.drawEllipse(QRectF(4, 4, 24, 24));
            p.setPen(Qt::white);
            QFont font("Serif", 14, QFont::Bold);
            p.setFont(font);
            p.drawText(QRectF(4, 4, 24, 24), Qt::AlignCenter, "?");
        };
    case FrameIcon::NoSource:
        return [](QPainter& p) {
            p.setOpacity(0.5);
            page(p, QRectF(7, 3, 18, 26));
        };
    case FrameIcon::CodeSource:
        return [](QPainter& p) {
            page(p, QRectF(6, 2, 20, 28));
            p.setPen(kBlue);
            QFont font("Monospace", 7, QFont::Bold);
            p.setFont(font);
            p.drawText(QRectF(6, 10, 20, 14), Qt::AlignCenter, "C");
        };
    case FrameIcon::Card:
        return [](QPainter& p) { card(p, QRectF(3, 8, 26, 17)); };
    case FrameIcon::Operation:
        return [](QPainter& p) {
            p.setPen(QPen(kInk, 1.4));
            p.setBrush(QColor(235, 240, 248));
            p.drawRoundedRect(QRectF(3, 6, 26, 20), 3, 3);
            wave(p, QRectF(6, 10, 20, 12), kBlue);
        };
    case FrameIcon::Parameter:
        return [](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 130, 148));
            p.drawEllipse(QPointF(16, 16), 5, 5);
        };
    }
    return [](QPainter&) {};
}

} // namespace

QIcon frameIcon(FrameIcon icon) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painterFor(icon)(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace doz::frame
