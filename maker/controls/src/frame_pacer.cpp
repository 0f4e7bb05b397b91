#include "frame_pacer.h"

#include <utility>

namespace doz::controls {

FramePacer::FramePacer(QObject* parent, std::function<bool()> present)
    : QObject(parent), present_(std::move(present)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(FramePeriodMs);
    connect(&timer_, &QTimer::timeout, this, &FramePacer::periodEnded);
}

void FramePacer::frameArrived() {
    if (timer_.isActive())
        return;
    if (present_())
        timer_.start();
}

void FramePacer::periodEnded() {
    if (present_())
        timer_.start();
}

} // namespace doz::controls
