#pragma once
// The pictures of the main window: tree image lists, button glyphs and the banner, drawn at
// start-up so the program carries no binary resources.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>
#include <QVector>

namespace doz::shell {

using ImageList = QVector<QIcon>;

ImageList DeviceImageList();   // 16 x 16: root, 8 categories, installed, absent, virtual, alias
ImageList SoftwareImageList(); // 16 x 16: root, category, installed product, absent product
ImageList TaskImageList();     // 32 x 32, 20 pictures: root and one per operation

// A rounded tile with a short glyph, the look of every button picture.
QIcon GlyphIcon(const QString& glyph, const QColor& color, int size);

QPixmap BannerPixmap(int width, int height);

} // namespace doz::shell
