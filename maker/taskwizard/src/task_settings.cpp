#include "maker/taskwizard/src/task_settings.h"

#include "maker/taskwizard/src/operation_catalog.h"

#include <array>

namespace doz::taskwizard {

namespace {

constexpr int kDescriptionBuffer = 4096; // the engine keeps at most 2047 bytes

bool usesRange(OperationFamily family) {
    return family == OperationFamily::AnalogPolling || family == OperationFamily::AnalogAcquisition ||
           family == OperationFamily::AnalogWrite;
}

bool usesAnalogRate(OperationFamily family) {
    return family == OperationFamily::AnalogAcquisition;
}

bool usesDigitalRate(OperationFamily family) {
    return family == OperationFamily::DigitalAcquisition || family == OperationFamily::PatternOutput;
}

OperationFamily familyOf(int operation) {
    const OperationEntry* entry = findOperationEntry(operation);
    return entry ? entry->family : OperationFamily::AnalogPolling;
}

double propertyF64(Radezuvi_Handle task, int property, double fallback) {
    double value = fallback;
    return Radezuvi_GetPropertyF64(task, property, &value) == RADEZUVI_OK ? value : fallback;
}

double channelF64(Radezuvi_Handle task, int channel, int property, double fallback) {
    double value = fallback;
    return Radezuvi_GetChannelPropertyF64(task, channel, property, &value) == RADEZUVI_OK ? value : fallback;
}

std::vector<int> enabledChannels(Radezuvi_Handle task) {
    uint16_t* list = nullptr;
    const int32_t count = Radezuvi_GetEnabledChannelList(task, &list);
    std::vector<int> channels;
    for (int32_t i = 0; i < count && list; ++i) {
        channels.push_back(list[i]);
    }
    Radezuvi_FreeChannelList(list);
    return channels;
}

GeneratorSettings readGenerator(Radezuvi_Handle task, int channel) {
    const GeneratorSettings defaults;
    return {static_cast<int>(channelF64(task, channel, RADEZUVI_CHPROP_WAVEFORM, defaults.waveform)),
            channelF64(task, channel, RADEZUVI_CHPROP_FREQUENCY, defaults.frequency),
            channelF64(task, channel, RADEZUVI_CHPROP_AMPLITUDE, defaults.amplitude),
            channelF64(task, channel, RADEZUVI_CHPROP_OFFSET, defaults.offset),
            channelF64(task, channel, RADEZUVI_CHPROP_PHASE, defaults.phase),
            channelF64(task, channel, RADEZUVI_CHPROP_DUTY_CYCLE, defaults.dutyCycle)};
}

// Runs the setters in order and keeps the first refusal.
class Applier {
public:
    explicit Applier(Radezuvi_Handle task) : task_(task) {}
    Applier& operator<<(int32_t result) {
        if (error_ == RADEZUVI_OK && result != RADEZUVI_OK) {
            error_ = result;
        }
        return *this;
    }
    int32_t error() const { return error_; }
    Radezuvi_Handle task() const { return task_; }

private:
    Radezuvi_Handle task_;
    int32_t error_ = RADEZUVI_OK;
};

void applyGenerator(Applier& apply, int channel, const GeneratorSettings& wave) {
    const Radezuvi_Handle task = apply.task();
    apply << Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_WAVEFORM, wave.waveform)
          << Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_FREQUENCY, wave.frequency)
          << Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_AMPLITUDE, wave.amplitude)
          << Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_OFFSET, wave.offset)
          << Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_PHASE, wave.phase)
          << Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_DUTY_CYCLE, wave.dutyCycle);
}

} // namespace

TaskSettings readSettings(Radezuvi_Handle task) {
    TaskSettings settings;
    settings.operation = Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION);
    settings.typeCode = Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_DEVICE_TYPE);
    settings.cardNumber = Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_DEVICE_INDEX);
    settings.channels = enabledChannels(task);
    const OperationFamily family = familyOf(settings.operation);
    for (const int channel : settings.channels) {
        const int range = static_cast<int>(channelF64(task, channel, RADEZUVI_CHPROP_RANGE, 0));
        if (range != 0) {
            settings.channelRanges[channel] = range;
        }
    }
    if (!settings.channels.empty()) {
        const int first = settings.channels.front();
        settings.range = settings.channelRanges.contains(first) ? settings.channelRanges[first] : 0;
        settings.generator = readGenerator(task, first);
    }
    const int rateProperty = usesDigitalRate(family) ? RADEZUVI_PROP_DIO_RATE : RADEZUVI_PROP_AI_RATE;
    const double rate = propertyF64(task, rateProperty, 0);
    settings.rate = rate > 0 ? rate : settings.rate;
    settings.blockSize = static_cast<std::uint32_t>(propertyF64(task, RADEZUVI_PROP_BLOCK_SIZE, 0));
    settings.timerInterval =
        static_cast<std::uint32_t>(propertyF64(task, RADEZUVI_PROP_TIMER_INTERVAL, settings.timerInterval));
    settings.inputSource = static_cast<int>(propertyF64(task, RADEZUVI_PROP_INPUT_SOURCE, 0));
    std::array<char, kDescriptionBuffer> description{};
    const int32_t length = Radezuvi_GetTaskDescription(task, description.data(), kDescriptionBuffer);
    settings.description.assign(description.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
    return settings;
}

BuiltTask buildTask(const TaskSettings& settings) {
    BuiltTask built;
    built.task.reset(Radezuvi_CreateTask(settings.operation, settings.typeCode, settings.cardNumber, 0));
    if (!built.task) {
        built.error = RADEZUVI_ERR_OPERATION;
        return built;
    }
    const Radezuvi_Handle task = built.task.get();
    const OperationFamily family = familyOf(settings.operation);
    Applier apply(task);
    for (const int channel : settings.channels) {
        apply << Radezuvi_SetChannelPropertyBool(task, channel, RADEZUVI_CHPROP_ENABLED, 1);
        const auto own = settings.channelRanges.find(channel);
        const int range = own != settings.channelRanges.end() ? own->second : settings.range;
        if (usesRange(family) && range != 0) {
            apply << Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_RANGE, range);
        }
        if (family == OperationFamily::FunctionGenerator) {
            applyGenerator(apply, channel, settings.generator);
        }
    }
    if (usesAnalogRate(family)) {
        apply << Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, settings.rate)
              << Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, 804);
    }
    if (usesDigitalRate(family)) {
        apply << Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_DIO_RATE, settings.rate);
    }
    if ((usesAnalogRate(family) || usesDigitalRate(family)) && settings.blockSize != 0) {
        apply << Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, settings.blockSize);
    }
    if (family == OperationFamily::Timer) {
        apply << Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_TIMER_INTERVAL, settings.timerInterval);
    }
    if (settings.inputSource != 0) {
        apply << Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_INPUT_SOURCE, settings.inputSource);
    }
    apply << Radezuvi_SetTaskDescription(task, settings.description.c_str());
    built.error = apply.error();
    return built;
}

int32_t checkOnCard(Radezuvi_Handle task) {
    const int32_t result = Radezuvi_Config(task);
    const bool cardState = result == RADEZUVI_ERR_NO_DEVICE || result == RADEZUVI_ERR_FAULT;
    return cardState ? RADEZUVI_OK : result;
}

} // namespace doz::taskwizard
