// What each operation code does, as far as the engine's task objects care.
#pragma once

namespace radezuvi {

enum class OperationKind {
    AnalogPolling,      // read every enabled channel once
    AnalogAcquisition,  // blocks of samples at a rate
    AnalogWrite,        // one value per write
    FunctionGenerator,  // a waveform on an output channel
    DigitalRead,        // one port or line per read
    DigitalAcquisition, // blocks of port samples at a rate
    DigitalWrite,       // one port or line per write
    PatternOutput,      // a pattern buffer played at a rate
    EventCounter,       // counts events after start
    Timer,              // ticks at an interval
};

struct OperationInfo {
    int code;
    OperationKind kind;
    bool lines = false;   // channels are lines rather than ports
    bool finite = false;  // ends on its own after one buffer
    bool current = false; // analog output in milliamperes
};

const OperationInfo* findOperation(int code);

} // namespace radezuvi
