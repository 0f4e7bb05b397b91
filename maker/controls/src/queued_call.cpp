#include "maker/controls/queued_call.h"

#include <QMetaObject>

#include <utility>

namespace doz::controls {

QueuedCall::QueuedCall(QObject* parent, std::function<void()> call)
    : QObject(parent), call_(std::move(call)) {}

void QueuedCall::post() {
    QMetaObject::invokeMethod(this, "run", Qt::QueuedConnection);
}

void QueuedCall::run() {
    call_();
}

} // namespace doz::controls
