#pragma once

#include <QObject>

#include <functional>

namespace doz::controls {

// A call any thread may queue onto the thread this object lives on. It is queued by name, so the
// posting thread hands Qt only this object's address: no functor is built on that thread for the
// receiving thread to read. Deleting the object drops a call still queued.
class QueuedCall final : public QObject {
    Q_OBJECT
public:
    QueuedCall(QObject* parent, std::function<void()> call);

    // Any thread.
    void post();

private slots:
    void run();

private:
    std::function<void()> call_;
};

} // namespace doz::controls
