// Single-point reads and writes, the pattern buffer and the counter of a task.
#include "task.h"

#include "analog_signal.h"
#include "range_table.h"

#include <cstring>

namespace radezuvi {

namespace {

constexpr double kCounterEventsPerSecond = 1000; // counter 0; counter n counts n + 1 times faster
constexpr std::uint32_t kMaxPatternSamples = 16 * 1024 * 1024;

std::uint32_t widthMask(int width) {
    return width >= 32 ? 0xFFFFFFFFu : (1u << width) - 1;
}

bool validWidth(std::uint32_t width) {
    return width == 8 || width == 16 || width == 32;
}

} // namespace

std::int32_t Task::readyForIoLocked(OperationKind kind) {
    if (!isKind(kind)) {
        return RADEZUVI_ERR_OPERATION;
    }
    if (const auto result = openLocked(); result != RADEZUVI_OK) {
        return result;
    }
    return definition_.channels.empty() ? RADEZUVI_ERR_NO_CHANNEL : RADEZUVI_OK;
}

std::int32_t Task::readAnalog(double* values) {
    if (!values) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    std::lock_guard lock(mutex_);
    if (const auto result = readyForIoLocked(OperationKind::AnalogPolling); result != RADEZUVI_OK) {
        return result;
    }
    if (card_->fault(FaultKind::ReadFails, definition_.operation)) {
        return RADEZUVI_ERR_FAULT;
    }
    const auto now = Clock::now();
    const double seconds = std::chrono::duration<double>(now - card_->poweredOn()).count();
    const auto seed = static_cast<std::uint64_t>(now.time_since_epoch().count());
    // Polling samples the signal as the card's converter would at its own pace.
    const double setRate = definition_.property(RADEZUVI_PROP_AI_RATE);
    const double rate = setRate > 0 ? setRate : caps().aiMaxRate;
    for (const int channel : definition_.channels) {
        const auto range = static_cast<int>(definition_.channelProperty(channel, RADEZUVI_CHPROP_RANGE));
        AnalogSignal signal(channel, rate, rangeSpan(range), seed);
        signal.setLoopBack(card_->loopBack(channel), card_->poweredOn());
        *values++ = signal.valueAt(seconds);
    }
    return RADEZUVI_OK;
}

std::int32_t Task::writeAnalog(double value) {
    std::lock_guard lock(mutex_);
    if (const auto result = readyForIoLocked(OperationKind::AnalogWrite); result != RADEZUVI_OK) {
        return result;
    }
    for (const int channel : definition_.channels) {
        if (const Fault* fault = card_->fault(FaultKind::WriteReturns, definition_.operation, channel)) {
            return fault->value;
        }
        auto range = static_cast<int>(definition_.channelProperty(channel, RADEZUVI_CHPROP_RANGE));
        if (range == 0 || isCurrentRange(range) != operation_.current) {
            range = operation_.current ? kDefaultCurrentRange : kDefaultVoltageRange;
        }
        const RangeSpan span = rangeSpan(range);
        if (!(value >= span.low && value <= span.high)) {
            return RADEZUVI_ERR_VALUE;
        }
    }
    // Voltages are looped back to the inputs; currents flow into a load, not into an input.
    if (!operation_.current) {
        for (const int channel : definition_.channels) {
            card_->writeAnalogOutput(channel, value);
        }
    }
    return RADEZUVI_OK;
}

std::int32_t Task::readPort(std::uint32_t* value) {
    if (!value) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    std::lock_guard lock(mutex_);
    if (const auto result = readyForIoLocked(OperationKind::DigitalRead); result != RADEZUVI_OK) {
        return result;
    }
    const int channel = definition_.channels.front();
    const int width = caps().portWidth;
    const int port = operation_.lines ? channel / width : channel;
    if (card_->fault(FaultKind::ReadFails, definition_.operation, port)) {
        return RADEZUVI_ERR_FAULT;
    }
    const std::uint32_t input = card_->inputOf(bank(), port) & widthMask(width);
    *value = operation_.lines ? (input >> (channel % width)) & 1u : input;
    return RADEZUVI_OK;
}

std::int32_t Task::writePort(std::uint32_t value) {
    std::lock_guard lock(mutex_);
    if (const auto result = readyForIoLocked(OperationKind::DigitalWrite); result != RADEZUVI_OK) {
        return result;
    }
    const int channel = definition_.channels.front();
    const int width = caps().portWidth;
    const int port = operation_.lines ? channel / width : channel;
    if (const Fault* fault = card_->fault(FaultKind::WriteReturns, definition_.operation, port)) {
        return fault->value;
    }
    std::uint32_t output = value;
    if (operation_.lines) {
        const std::uint32_t bit = 1u << (channel % width);
        const std::uint32_t current = card_->outputOf(bank(), port);
        output = value != 0 ? current | bit : current & ~bit;
    }
    card_->writePort(bank(), port, output & widthMask(width));
    return RADEZUVI_OK;
}

std::int32_t Task::patternBuffer(Radezuvi_PatternDescriptor* descriptor) {
    if (!descriptor) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    if (!isKind(OperationKind::PatternOutput)) {
        return RADEZUVI_ERR_OPERATION;
    }
    std::lock_guard lock(mutex_);
    if (state_ == State::Idle) {
        if (const auto result = configLocked(); result != RADEZUVI_OK) {
            return result;
        }
    }
    *descriptor = {patternCount_, patternCount_, pattern_.data(), static_cast<std::uint32_t>(patternWidth_)};
    return RADEZUVI_OK;
}

std::int32_t Task::setPattern(const Radezuvi_PatternDescriptor* descriptor) {
    if (!descriptor) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    if (!isKind(OperationKind::PatternOutput)) {
        return RADEZUVI_ERR_OPERATION;
    }
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    if (state_ == State::Idle) {
        if (const auto result = configLocked(); result != RADEZUVI_OK) {
            return result;
        }
    }
    const Radezuvi_PatternDescriptor& d = *descriptor;
    if (!d.data || d.sampleCount == 0 || d.sampleCount > kMaxPatternSamples || !validWidth(d.sampleWidth)) {
        return RADEZUVI_ERR_BUFFER;
    }
    if (d.data == pattern_.data()) {
        // The task's own buffer, filled in place: it may play fewer samples than it holds.
        if (d.sampleCount > pattern_.size() / static_cast<std::size_t>(patternWidth_ / 8) ||
            static_cast<int>(d.sampleWidth) != patternWidth_) {
            return RADEZUVI_ERR_BUFFER;
        }
        patternCount_ = d.sampleCount;
        return RADEZUVI_OK;
    }
    const std::size_t bytes = static_cast<std::size_t>(d.sampleCount) * (d.sampleWidth / 8);
    pattern_.resize(bytes);
    std::memcpy(pattern_.data(), d.data, bytes);
    patternCount_ = d.sampleCount;
    patternWidth_ = static_cast<int>(d.sampleWidth);
    return RADEZUVI_OK;
}

std::int32_t Task::counterValue(std::uint32_t* value) {
    if (!value) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    std::lock_guard lock(mutex_);
    if (const auto result = readyForIoLocked(OperationKind::EventCounter); result != RADEZUVI_OK) {
        return result;
    }
    if (card_->fault(FaultKind::ReadFails, definition_.operation, definition_.channels.front())) {
        return RADEZUVI_ERR_FAULT;
    }
    *value = state_ == State::Running ? runningCount() : counterFrozen_;
    return RADEZUVI_OK;
}

std::uint32_t Task::runningCount() const {
    const double seconds = std::chrono::duration<double>(Clock::now() - counterStart_).count();
    const double rate = kCounterEventsPerSecond * (definition_.channels.front() + 1);
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(seconds * rate));
}

} // namespace radezuvi
