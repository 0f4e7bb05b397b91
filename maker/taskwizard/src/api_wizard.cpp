// C functions of the wizard library. They run only on the user-interface thread of the caller's
// QApplication; an exception never crosses the C boundary.
#include "maker/taskwizard/radezuviwizard.h"

#include "maker/taskwizard/src/test_panel_run.h"
#include "maker/taskwizard/src/wizard_runs.h"

#include <QApplication>
#include <QThread>

namespace {

constexpr int32_t kNoApplication = -2;

bool onApplicationThread() {
    const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    return app && QThread::currentThread() == app->thread();
}

template <class Body> int32_t guarded(Body body, int32_t onFailure) {
    try {
        return body();
    } catch (...) {
        return onFailure;
    }
}

QString pathOf(const char* path) {
    return path ? QString::fromUtf8(path) : QString();
}

} // namespace

extern "C" {

int32_t ZEVOZAZA_StartDAQWizardAndSaveToFile(const char* suggestedPath) {
    if (!onApplicationThread()) {
        return 0;
    }
    return guarded([&] { return doz::taskwizard::runNewTaskWizard(pathOf(suggestedPath)) ? 1 : 0; }, 0);
}

int32_t ZEVOZAZA_StartDAQWizardWithFile(const char* taskPath) {
    if (!onApplicationThread()) {
        return 0;
    }
    return guarded([&] { return doz::taskwizard::runEditTaskWizard(pathOf(taskPath)) ? 1 : 0; }, 0);
}

int32_t ZEVOZAZA_ShowTestPanel(uint32_t task, int32_t, int32_t autoStart, const char* caption) {
    if (!onApplicationThread()) {
        return kNoApplication;
    }
    return guarded([&] { return doz::taskwizard::showTestPanel(task, autoStart != 0, pathOf(caption)); },
                   doz::taskwizard::kPanelTaskNotOpen);
}

} // extern "C"
