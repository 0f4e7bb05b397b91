#include "maker/taskwizard/src/operation_catalog.h"

#include "maker/engine/radezuvi_engine.h"

#include <algorithm>

namespace doz::taskwizard {

namespace {

using enum OperationFamily;

constexpr OperationEntry kOperations[] = {
    {RADEZUVI_OP_AI_POLLING, "Analog Input -- Voltage Polling", "AI%d", AnalogPolling},
    {RADEZUVI_OP_AI_ONE_SHOT, "Analog Input -- One-shot Waveform Acquisition", "AI%d", AnalogAcquisition},
    {RADEZUVI_OP_AI_CONTINUOUS, "Analog Input -- Continuous Waveform Acquisition", "AI%d", AnalogAcquisition},
    {RADEZUVI_OP_AO_VOLTAGE, "Analog Output -- Voltage Update", "AO%d", AnalogWrite},
    {RADEZUVI_OP_AO_CURRENT, "Analog Output -- Current Update", "AO%d", AnalogWrite, true},
    {RADEZUVI_OP_AO_ONE_SHOT_WAVE, "Analog Output -- One-shot Waveform Generation", "AO%d",
     FunctionGenerator},
    {RADEZUVI_OP_AO_CONTINUOUS_WAVE, "Analog Output -- Continuous Waveform Generation", "AO%d",
     FunctionGenerator},
    {RADEZUVI_OP_AO_FUNCTION_GEN, "Analog Output -- Function Generation", "AO%d", FunctionGenerator},
    {RADEZUVI_OP_DI_LINE, "Digital Input -- Line Read", "DI%d", DigitalRead},
    {RADEZUVI_OP_DI_PORT, "Digital Input -- Port Read", "DI PORT%d", DigitalRead},
    {RADEZUVI_OP_DI_ONE_SHOT, "Digital Input -- One-shot Pattern Acquisition", "DI PORT%d",
     DigitalAcquisition},
    {RADEZUVI_OP_DI_CONTINUOUS, "Digital Input -- Continuous Pattern Acquisition", "DI PORT%d",
     DigitalAcquisition},
    {RADEZUVI_OP_DO_LINE, "Digital Output -- Line Write", "DO%d", DigitalWrite},
    {RADEZUVI_OP_DO_PORT, "Digital Output -- Port Write", "DO PORT%d", DigitalWrite},
    {RADEZUVI_OP_DO_ONE_SHOT_PATTERN, "Digital Output -- One-shot Pattern Generation", "DO PORT%d",
     PatternOutput},
    {RADEZUVI_OP_DO_CONTINUOUS_PATTERN, "Digital Output -- Continuous Pattern Generation", "DO PORT%d",
     PatternOutput},
    {RADEZUVI_OP_TC_EVENT_COUNTER, "Timer/Counter -- Simple Event Counter", "TC%d", EventCounter},
    {RADEZUVI_OP_TC_TIMER, "Timer/Counter -- Timer Interrupt", "TC%d", Timer},
    {RADEZUVI_OP_TC_MODE_OPERATION, "Timer/Counter -- 82C54 Mode Operation", "TC%d", EventCounter},
    {RADEZUVI_OP_TC_INTERRUPT, "Timer/Counter -- Timer/Counter Interrupt", "TC%d", Timer},
};

} // namespace

std::span<const OperationEntry> operationCatalog() {
    return kOperations;
}

const OperationEntry* findOperationEntry(int code) {
    const auto* it = std::find_if(std::begin(kOperations), std::end(kOperations),
                                  [&](const OperationEntry& entry) { return entry.code == code; });
    return it == std::end(kOperations) ? nullptr : it;
}

QString channelName(const OperationEntry& operation, int channel) {
    return QString::asprintf(operation.channelPrefix, channel);
}

} // namespace doz::taskwizard
