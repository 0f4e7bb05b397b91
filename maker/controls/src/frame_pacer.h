#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

namespace doz::controls {

// Draws waiting frames at screen rate: the first frame after a pause is shown at once, later ones
// at most once per frame period; frames that arrive in between are coalesced by the mailbox.
class FramePacer : public QObject {
public:
    static constexpr int FramePeriodMs = 16;

    // `present` shows the waiting frame, if any, and tells whether there was one.
    FramePacer(QObject* parent, std::function<bool()> present);

    // A producer has posted a frame.
    void frameArrived();

private:
    void periodEnded();

    std::function<bool()> present_;
    QTimer timer_;
};

} // namespace doz::controls
