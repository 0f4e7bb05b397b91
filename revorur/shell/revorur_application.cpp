#include "revorur_application.h"

#include "common/ui/dialogs.h"

#include <exception>

namespace doz::shell {

// Only the application name is set: a display name would be appended to every window title
// by the windowing platform ("Revorur V1.52 - Revorur"), and the captions are the forms' own.
RevorurApplication::RevorurApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Revorur");
}

bool RevorurApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        ShowCurrentException();
        return false;
    }
}

void ShowCurrentException() {
    QString message;
    try {
        throw;
    } catch (const std::exception& e) {
        message = QString::fromLocal8Bit(e.what());
    } catch (...) {
    }
    ui::dialogs().showException(QApplication::activeWindow(), message);
}

} // namespace doz::shell
