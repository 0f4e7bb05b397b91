// Configuring and starting a task: the checks a card makes before it runs, and the engine
// thread (or card state) each kind of operation starts.
#include "task.h"

#include "activities.h"
#include "channel_limits.h"

#include <cmath>

namespace radezuvi {

namespace {

constexpr std::size_t kMaxBlockSamples = 16 * 1024 * 1024;
constexpr std::uint32_t kDefaultPatternLength = 1024;
constexpr double kMaxGeneratorFrequency = 250'000;
constexpr double kMaxOutputVolts = 10;
// The longest block (or pattern sample) period a task may have, about 11.6 days: every due time of
// a run then stays far inside what the engine's clock can count, so rates as small as 1e-300 are
// refused instead of wrapping the clock round.
constexpr double kMaxPeriodSeconds = 1e6;

// Property 105, or a tenth of the rate when it is not set: about ten blocks a second.
std::size_t blockLength(const TaskDefinition& definition, double rate) {
    const auto set = static_cast<std::size_t>(definition.property(RADEZUVI_PROP_BLOCK_SIZE));
    const auto length = set != 0 ? set : static_cast<std::size_t>(rate / 10);
    return std::max<std::size_t>(length, 1);
}

// The wave a generator channel drives from `start`, as its channel properties set it.
GeneratorWave generatorWave(const TaskDefinition& definition, int channel, Clock::time_point start) {
    return {static_cast<int>(definition.channelProperty(channel, RADEZUVI_CHPROP_WAVEFORM)),
            definition.channelProperty(channel, RADEZUVI_CHPROP_FREQUENCY),
            definition.channelProperty(channel, RADEZUVI_CHPROP_AMPLITUDE),
            definition.channelProperty(channel, RADEZUVI_CHPROP_OFFSET),
            definition.channelProperty(channel, RADEZUVI_CHPROP_PHASE),
            definition.channelProperty(channel, RADEZUVI_CHPROP_DUTY_CYCLE),
            start};
}

} // namespace

std::int32_t Task::config() {
    std::lock_guard lock(mutex_);
    if (state_ == State::Running) {
        return RADEZUVI_ERR_STATE;
    }
    return configLocked();
}

std::int32_t Task::configLocked() {
    if (const auto result = openLocked(); result != RADEZUVI_OK) {
        return result;
    }
    if (definition_.channels.empty()) {
        return RADEZUVI_ERR_NO_CHANNEL;
    }
    if (const auto result = checkRates(); result != RADEZUVI_OK) {
        return result;
    }
    if (const auto result = checkGenerator(); result != RADEZUVI_OK) {
        return result;
    }
    if (isKind(OperationKind::PatternOutput) && pattern_.empty()) {
        allocatePattern();
    }
    state_ = State::Configured;
    return RADEZUVI_OK;
}

std::int32_t Task::checkRates() const {
    const DeviceCaps& card = caps();
    if (isKind(OperationKind::AnalogAcquisition)) {
        const double rate = definition_.property(RADEZUVI_PROP_AI_RATE);
        const double channels = static_cast<double>(definition_.channels.size());
        const double total = card.simultaneous ? rate : rate * channels;
        if (!(rate > 0) || total > card.aiMaxRate) {
            return RADEZUVI_ERR_RATE;
        }
        const std::size_t scans = blockLength(definition_, rate);
        if (static_cast<double>(scans) / rate > kMaxPeriodSeconds) {
            return RADEZUVI_ERR_RATE;
        }
        return scans * definition_.channels.size() > kMaxBlockSamples ? RADEZUVI_ERR_VALUE : RADEZUVI_OK;
    }
    if (isKind(OperationKind::DigitalAcquisition) || isKind(OperationKind::PatternOutput)) {
        const double rate = definition_.property(RADEZUVI_PROP_DIO_RATE);
        if (!(rate > 0) || rate > card.dioMaxRate) {
            return RADEZUVI_ERR_RATE;
        }
        const double samples = isKind(OperationKind::DigitalAcquisition)
                                   ? static_cast<double>(blockLength(definition_, rate))
                                   : 1.0;
        return samples / rate > kMaxPeriodSeconds ? RADEZUVI_ERR_RATE : RADEZUVI_OK;
    }
    return RADEZUVI_OK;
}

// A generator must stay within the output's +/-10 V and the frequencies it can make.
std::int32_t Task::checkGenerator() const {
    if (!isKind(OperationKind::FunctionGenerator)) {
        return RADEZUVI_OK;
    }
    for (const int channel : definition_.channels) {
        const double frequency = definition_.channelProperty(channel, RADEZUVI_CHPROP_FREQUENCY);
        const double amplitude = definition_.channelProperty(channel, RADEZUVI_CHPROP_AMPLITUDE);
        const double offset = definition_.channelProperty(channel, RADEZUVI_CHPROP_OFFSET);
        const double duty = definition_.channelProperty(channel, RADEZUVI_CHPROP_DUTY_CYCLE);
        const bool valid = frequency >= 1 && frequency <= kMaxGeneratorFrequency && amplitude >= 0 &&
                           offset - amplitude >= -kMaxOutputVolts && offset + amplitude <= kMaxOutputVolts &&
                           duty >= 0 && duty <= 100;
        if (!valid) {
            return RADEZUVI_ERR_VALUE;
        }
    }
    return RADEZUVI_OK;
}

void Task::allocatePattern() {
    const auto set = static_cast<std::uint32_t>(definition_.property(RADEZUVI_PROP_BLOCK_SIZE));
    patternCount_ = set != 0 ? set : kDefaultPatternLength;
    patternWidth_ = portWidth(definition_.channels.front());
    pattern_.assign(static_cast<std::size_t>(patternCount_) * static_cast<std::size_t>(patternWidth_ / 8), 0);
}

std::int32_t Task::start() {
    if (TaskRunner::currentTask() == handle_) {
        return RADEZUVI_ERR_STATE; // its own callback: the task is running
    }
    std::lock_guard lifecycle(lifecycle_);
    std::unique_ptr<TaskRunner> finished;
    {
        std::lock_guard lock(mutex_);
        if (state_ == State::Running) {
            return RADEZUVI_ERR_STATE;
        }
        finished = std::move(runner_); // a thread asked to stop from its own callback
    }
    finished.reset();

    std::lock_guard lock(mutex_);
    if (const auto result = openLocked(); result != RADEZUVI_OK) {
        return result;
    }
    if (card_->fault(FaultKind::StartFails, definition_.operation)) {
        return RADEZUVI_ERR_FAULT;
    }
    if (state_ != State::Configured) {
        if (const auto result = configLocked(); result != RADEZUVI_OK) {
            return result;
        }
    }
    return launchLocked();
}

std::int32_t Task::launchLocked() {
    const auto firstChannel = static_cast<int>(definition_.channels.front());
    const auto now = Clock::now();
    RunnerBody body;
    switch (operation_.kind) {
    case OperationKind::AnalogAcquisition: {
        AnalogAcquisitionPlan plan{sink_, now, card_};
        plan.rate = definition_.property(RADEZUVI_PROP_AI_RATE);
        plan.scansPerBlock = blockLength(definition_, plan.rate);
        plan.finite = operation_.finite;
        for (const int channel : definition_.channels) {
            plan.channels.push_back(channel);
            const auto range = static_cast<int>(definition_.channelProperty(channel, RADEZUVI_CHPROP_RANGE));
            plan.ranges.push_back(rangeSpan(range));
        }
        body = analogAcquisition(std::move(plan));
        break;
    }
    case OperationKind::DigitalAcquisition: {
        DigitalAcquisitionPlan plan{sink_, now, card_, bank(), firstChannel, portWidth(firstChannel)};
        plan.rate = definition_.property(RADEZUVI_PROP_DIO_RATE);
        plan.samplesPerBlock = blockLength(definition_, plan.rate);
        plan.finite = operation_.finite;
        body = digitalAcquisition(std::move(plan));
        break;
    }
    case OperationKind::PatternOutput: {
        PatternPlan plan{sink_, now, card_, bank(), firstChannel};
        const std::size_t bytes = static_cast<std::size_t>(patternWidth_ / 8);
        for (std::uint32_t i = 0; i < patternCount_; ++i) {
            std::uint32_t sample = 0;
            for (std::size_t b = 0; b < bytes; ++b) {
                sample |= static_cast<std::uint32_t>(pattern_[i * bytes + b]) << (8 * b);
            }
            plan.samples.push_back(sample);
        }
        plan.rate = definition_.property(RADEZUVI_PROP_DIO_RATE);
        plan.finite = operation_.finite;
        body = patternPlayback(std::move(plan));
        break;
    }
    case OperationKind::Timer:
        body =
            timerTicks({sink_, now, firstChannel, definition_.property(RADEZUVI_PROP_TIMER_INTERVAL) / 1000});
        break;
    case OperationKind::FunctionGenerator:
        for (const int channel : definition_.channels) {
            card_->startGenerator(channel, generatorWave(definition_, channel, now));
        }
        break;
    case OperationKind::EventCounter:
        counterStart_ = now;
        break;
    default:
        break; // single-point operations act on each read or write
    }
    if (body) {
        runner_ = std::make_unique<TaskRunner>(handle_, std::move(body));
    }
    state_ = State::Running;
    return RADEZUVI_OK;
}

} // namespace radezuvi
