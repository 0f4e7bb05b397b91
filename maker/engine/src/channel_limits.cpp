#include "channel_limits.h"

namespace radezuvi {

int channelLimit(const DeviceCaps& caps, const OperationInfo& operation) {
    const int lineFactor = operation.lines ? caps.portWidth : 1;
    const bool patterns = caps.dioMaxRate > 0;
    switch (operation.kind) {
    case OperationKind::AnalogPolling:
    case OperationKind::AnalogAcquisition:
        return caps.aiChannels;
    case OperationKind::AnalogWrite:
    case OperationKind::FunctionGenerator:
        return caps.aoChannels;
    case OperationKind::DigitalRead:
        return caps.diPorts * lineFactor;
    case OperationKind::DigitalWrite:
        return caps.doPorts * lineFactor;
    case OperationKind::DigitalAcquisition:
        return patterns ? caps.diPorts : 0;
    case OperationKind::PatternOutput:
        return patterns ? caps.doPorts : 0;
    case OperationKind::EventCounter:
    case OperationKind::Timer:
        return caps.counters;
    }
    return 0;
}

} // namespace radezuvi
