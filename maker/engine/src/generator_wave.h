// The wave a running function generator drives on an analog output: its shape and settings, and
// the moment it started, so any input that samples it knows where in the period it is.
#pragma once

#include <chrono>
#include <optional>

namespace radezuvi {

struct GeneratorWave {
    int waveform = 400; // 400 sine, 401 square, 402 triangle, 403 sawtooth
    double frequency = 0;
    double amplitude = 0;
    double offset = 0;
    double phaseDegrees = 0;
    double dutyPercent = 50; // share of the period a square wave spends high
    std::chrono::steady_clock::time_point start{};

    // Volts at `seconds` after start.
    double valueAt(double seconds) const;
};

// What an analog output drives: a level, or a generator's wave when one runs on it.
struct AnalogDrive {
    double level = 0;
    std::optional<GeneratorWave> wave{};
};

} // namespace radezuvi
