#pragma once
// The pictures of the wizard sheet, drawn at run time: the watermark of the first page, the
// header picture, and the icons of the two card-line tree items.

#include <QPixmap>

namespace doz::wizard {

QPixmap wizardWatermark();
QPixmap wizardHeader();
// 32 x 32 icon of a card-line tree item (0 classic, 1 E400).
QPixmap cardLineIcon(int line);

} // namespace doz::wizard
