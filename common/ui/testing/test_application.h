#pragma once

class QApplication;

namespace doz::ui::testing {

// The QApplication of a test program: the existing one, or one made on first use that lives
// until the program ends, on the offscreen platform unless QT_QPA_PLATFORM says otherwise.
// Widget tests call it before creating widgets.
QApplication& testApplication();

} // namespace doz::ui::testing
