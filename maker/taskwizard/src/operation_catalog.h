// The operations a task can perform, with the texts the user reads and the settings each needs.
#pragma once

#include <QString>

#include <span>

namespace doz::taskwizard {

// What a task of an operation is made of, and what its test panel shows.
enum class OperationFamily {
    AnalogPolling,     // one value per enabled channel on each read
    AnalogAcquisition, // blocks of samples at a rate
    AnalogWrite,       // one value written to the enabled channels
    FunctionGenerator, // a waveform on the enabled output channels
    DigitalRead,       // one port or line per read
    DigitalAcquisition,
    DigitalWrite,
    PatternOutput,
    EventCounter,
    Timer,
};

struct OperationEntry {
    int code;
    const char* text;
    const char* channelPrefix; // printf form of a channel's name, e.g. "AI%d"
    OperationFamily family;
    bool current = false; // analog output in milliamperes
};

std::span<const OperationEntry> operationCatalog();
// The entry of an operation code, or nullptr.
const OperationEntry* findOperationEntry(int code);
// The name of channel `channel` of an operation ("AI3", "DI PORT1", "TC0").
QString channelName(const OperationEntry& operation, int channel);

} // namespace doz::taskwizard
