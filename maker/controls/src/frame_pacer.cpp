#include "frame_pacer.h"

#include <utility>

namespace doz::controls {

FramePacer::FramePacer(QObject* parent, std::function<bool()> present)
    : QObject(parent), present_(std::move(present)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(FramePeriodMs);
    connect(&timer_, &QTimer::timeout, this, &FramePacer::periodEnded);
}

// The timer ticks at screen rate while frames keep coming and stops after a period without one.
void FramePacer::frameArrived() {
    if (timer_.isActive())
        return;
    if (present_())
        timer_.start();
}

void FramePacer::periodEnded() {
    if (!present_())
        timer_.stop();
}

} // namespace doz::controls
