#include "operation_table.h"

#include "radezuvi_engine.h"

#include <algorithm>
#include <iterator>

namespace radezuvi {

namespace {

using enum OperationKind;

constexpr OperationInfo kOperations[] = {
    {RADEZUVI_OP_AI_POLLING, AnalogPolling},
    {RADEZUVI_OP_AI_ONE_SHOT, AnalogAcquisition, false, true},
    {RADEZUVI_OP_AI_CONTINUOUS, AnalogAcquisition},
    {RADEZUVI_OP_AO_VOLTAGE, AnalogWrite},
    {RADEZUVI_OP_AO_CURRENT, AnalogWrite, false, false, true},
    {RADEZUVI_OP_AO_ONE_SHOT_WAVE, FunctionGenerator},
    {RADEZUVI_OP_AO_CONTINUOUS_WAVE, FunctionGenerator},
    {RADEZUVI_OP_AO_FUNCTION_GEN, FunctionGenerator},
    {RADEZUVI_OP_DI_LINE, DigitalRead, true},
    {RADEZUVI_OP_DI_PORT, DigitalRead},
    {RADEZUVI_OP_DI_ONE_SHOT, DigitalAcquisition, false, true},
    {RADEZUVI_OP_DI_CONTINUOUS, DigitalAcquisition},
    {RADEZUVI_OP_DO_LINE, DigitalWrite, true},
    {RADEZUVI_OP_DO_PORT, DigitalWrite},
    {RADEZUVI_OP_DO_ONE_SHOT_PATTERN, PatternOutput, false, true},
    {RADEZUVI_OP_DO_CONTINUOUS_PATTERN, PatternOutput},
    {RADEZUVI_OP_TC_EVENT_COUNTER, EventCounter},
    {RADEZUVI_OP_TC_TIMER, Timer},
    {RADEZUVI_OP_TC_MODE_OPERATION, EventCounter},
    {RADEZUVI_OP_TC_INTERRUPT, Timer},
};

} // namespace

const OperationInfo* findOperation(int code) {
    const auto* it = std::find_if(std::begin(kOperations), std::end(kOperations),
                                  [&](const OperationInfo& o) { return o.code == code; });
    return it == std::end(kOperations) ? nullptr : it;
}

} // namespace radezuvi
