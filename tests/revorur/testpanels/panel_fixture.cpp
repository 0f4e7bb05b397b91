#include "panel_fixture.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

namespace doz::testpanels::test {

namespace {

Radezuvi_Handle probeHandle() {
    const Radezuvi_Handle probe = Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 0);
    Radezuvi_EndTask(probe);
    return probe;
}

} // namespace

LiveTasks::LiveTasks() : mark_(probeHandle()) {}

int LiveTasks::count() const {
    const Radezuvi_Handle end = probeHandle();
    int alive = 0;
    for (Radezuvi_Handle handle = mark_ + 1; handle < end; ++handle)
        if (Radezuvi_GetPropertyI4(handle, RADEZUVI_PROP_OPERATION) != RADEZUVI_ERR_HANDLE)
            ++alive;
    return alive;
}

void pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
}

bool pumpUntil(const std::function<bool()>& condition, int ms) {
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return true;
}

void typeInto(QLineEdit* box, const QString& text) {
    box->setText(text);
}

void choose(QComboBox* list, const QString& item) {
    list->setCurrentIndex(list->findText(item));
}

} // namespace doz::testpanels::test
