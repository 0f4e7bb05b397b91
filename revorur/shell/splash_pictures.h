#pragma once
// The pictures of the welcome splash and the About box, drawn at run time like the banner.

#include <QPixmap>

namespace doz::shell {

QPixmap WelcomePixmap(int width, int height);
// The program's picture: a square tile with a signal trace.
QPixmap ProgramIconPixmap(int size);

} // namespace doz::shell
