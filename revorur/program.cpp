#include "program.h"

#include "common/platform/single_instance.h"
#include "revorur/composition.h"
#include "revorur/shell/revorur_application.h"

namespace doz::revorur {

int RunRevorur(int argc, char** argv) {
    platform::SingleInstanceLock lock("Revorur");
    if (lock.state() == platform::SingleInstanceLock::State::Failed)
        return -1;
    if (lock.state() == platform::SingleInstanceLock::State::AlreadyRunning)
        return 0;

    shell::RevorurApplication app(argc, argv);
    try {
        RevorurWindow window;
        window.form.FormCreate(QCoreApplication::applicationFilePath().toStdString());
        window.form.showMaximized();
        app.exec();
    } catch (...) {
        shell::ShowCurrentException();
    }
    return 0;
}

} // namespace doz::revorur
