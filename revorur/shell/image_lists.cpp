#include "image_lists.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace doz::shell {
namespace {

struct Tile {
    const char* glyph;
    QRgb color;
};

QPixmap drawTile(const QString& glyph, const QColor& color, int size, bool outlined = false) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0.5, 0.5, size - 1.0, size - 1.0);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, color.lighter(135));
    fill.setColorAt(1, color.darker(115));
    p.setPen(QPen(outlined ? color.darker(160) : color.darker(140), 1));
    p.setBrush(outlined ? QBrush(Qt::white) : QBrush(fill));
    p.drawRoundedRect(r, size / 6.0, size / 6.0);
    QFont f("Sans Serif");
    f.setBold(true);
    f.setPixelSize(glyph.size() <= 1 ? size * 3 / 4 : glyph.size() == 2 ? size / 2 : size * 3 / 8);
    p.setFont(f);
    p.setPen(outlined ? color.darker(160) : QColor(Qt::white));
    p.drawText(r, Qt::AlignCenter, glyph);
    return pm;
}

ImageList tiles(std::initializer_list<Tile> list, int size) {
    ImageList out;
    for (const auto& t : list)
        out.push_back(QIcon(drawTile(QString::fromUtf8(t.glyph), QColor(t.color), size)));
    return out;
}

} // namespace

QIcon GlyphIcon(const QString& glyph, const QColor& color, int size) {
    return QIcon(drawTile(glyph, color, size));
}

ImageList DeviceImageList() {
    return tiles(
        {
            {"PC", 0x2f5597}, // root
            {"A", 0x2e8b57},  // analog output
            {"D", 0xd2691e},  // digital I/O
            {"S", 0x6a5acd},  // digitizer
            {"G", 0x708090},  // GPIB
            {"M", 0x1e6fb8},  // multifunction
            {"E", 0x008b8b},  // simultaneous
            {"R", 0x8b4513},  // switch
            {"T", 0xb22222},  // timer/counter
            {"+", 0x22a33a},  // installed card
            {"-", 0xa0a0a0},  // card not installed
            {"?", 0x9467bd},  // virtual device and uncategorized
            {"@", 0xe0a020},  // alias and sub-type
        },
        16);
}

ImageList SoftwareImageList() {
    return tiles({{"SW", 0x2f5597}, {"F", 0xd4a017}, {"✓", 0x22a33a}, {"·", 0xa0a0a0}}, 16);
}

ImageList TaskImageList() {
    constexpr QRgb ai = 0x1e6fb8, ao = 0x2e8b57, di = 0xd2691e, dout = 0x7b4fa0, tc = 0xb22222;
    return tiles(
        {
            {"TM", 0x2f5597}, {"AI", ai},    {"AI1", ai}, {"AI∞", ai},  {"AO", ao},
            {"AOI", ao},      {"AO1", ao},   {"AO∞", ao}, {"FG", ao},   {"DI", di},
            {"DIP", di},      {"DI1", di},   {"DI∞", di}, {"DO", dout}, {"DOP", dout},
            {"DO1", dout},    {"DO∞", dout}, {"CNT", tc}, {"TMR", tc},  {"54", tc},
        },
        32);
}

QPixmap BannerPixmap(int width, int height) {
    QPixmap pm(width, height);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient bg(0, 0, width, height);
    bg.setColorAt(0, QColor(0x0b, 0x2d, 0x6b));
    bg.setColorAt(1, QColor(0x1e, 0x6f, 0xb8));
    p.fillRect(pm.rect(), bg);

    // A sampled sine trace across the banner.
    QPainterPath wave;
    for (int x = 0; x <= width; x += 3) {
        const double y = height * 0.72 + height * 0.16 * std::sin(x / 14.0);
        x == 0 ? wave.moveTo(x, y) : wave.lineTo(x, y);
    }
    p.setPen(QPen(QColor(120, 220, 255, 150), 2));
    p.drawPath(wave);

    QFont title("Sans Serif");
    title.setBold(true);
    title.setPixelSize(height / 3);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(12, 6, width - 24, height / 2), Qt::AlignLeft | Qt::AlignVCenter, "Dozazar");
    QFont sub("Sans Serif");
    sub.setPixelSize(height / 7);
    p.setFont(sub);
    p.setPen(QColor(210, 230, 255));
    p.drawText(QRect(14, height / 2 - 4, width - 24, height / 5), Qt::AlignLeft | Qt::AlignVCenter,
               "Revorur device and task manager");
    return pm;
}

} // namespace doz::shell
