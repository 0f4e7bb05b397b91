#include "revorur_application.h"

#include "common/ui/dialogs.h"

#include <exception>

namespace doz::shell {

RevorurApplication::RevorurApplication(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName("Revorur");
    setApplicationDisplayName("Revorur");
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
