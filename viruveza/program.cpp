#include "viruveza/program.h"

#include "common/ui/dialogs.h"
#include "viruveza/frame/viruveza_app.h"

#include <QApplication>

#include <exception>

namespace doz::viruveza {

namespace {

// An exception escaping an event handler is shown in the exception box and the program goes on.
class ViruvezaApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            ui::dialogs().showException(activeWindow(), QString::fromLocal8Bit(error.what()));
        } catch (...) {
            ui::dialogs().showException(activeWindow(), QString());
        }
        return false;
    }
};

} // namespace

int RunRuzidavidez(int argc, char** argv) {
    ViruvezaApplication application(argc, argv);
    QApplication::setApplicationName("Ruzidavidez");
    QApplication::setApplicationDisplayName("Ruzidavidez");
    QApplication::setOrganizationName("Dozazar");

    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments())
        arguments.push_back(argument.toStdString());

    frame::CViruvezaApp program(QApplication::applicationFilePath().toStdString());
    program.InitInstance(arguments);
    const int code = QApplication::exec();
    program.ExitInstance();
    return code;
}

} // namespace doz::viruveza
