#include "common/ui/testing/test_application.h"

#include <QApplication>

namespace doz::ui::testing {

QApplication& testApplication() {
    if (auto* existing = qobject_cast<QApplication*>(QCoreApplication::instance()))
        return *existing;
    // Tests never need a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "doz-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: at exit Qt's own globals may already be gone.
    static auto* application = new QApplication(argc, argv);
    return *application;
}

} // namespace doz::ui::testing
