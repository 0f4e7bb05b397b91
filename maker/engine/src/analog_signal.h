// The simulated signal on one analog input channel: channel c shows a sine, square, triangle or
// ramp (by c modulo 4) at its own frequency, at 80 % of the range, with a little noise, shifted
// by the value looped back from the card's analog output and clipped to the range. While a
// function generator runs on the output of the same channel, the input shows that generator's
// wave (with the same noise) in place of its own.
#pragma once

#include "generator_wave.h"
#include "range_table.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace radezuvi {

class AnalogSignal {
public:
    // seed picks the noise sequence (any value).
    AnalogSignal(int channel, double sampleRate, RangeSpan range, std::uint64_t seed);

    double frequency() const { return frequency_; }

    // What the analog output of the same channel drives: its level moves the signal's centre; a
    // generator's wave replaces the signal. `zero` is the moment of sample index 0 (and of
    // valueAt's time 0).
    void setLoopBack(const AnalogDrive& drive, std::chrono::steady_clock::time_point zero);

    // Writes count samples, starting at sample index first, every stride doubles from out.
    void fill(double* out, std::size_t stride, std::uint64_t first, std::size_t count);

    // The value at a time since the card powered on, for single-point reads.
    double valueAt(double seconds);

private:
    double sample(std::uint64_t phase);
    double noise();
    double waveSample(double seconds);

    const double* shape_;
    double frequency_;
    std::uint64_t phaseStep_;
    double rangeCentre_;
    double centre_;
    double amplitude_;
    double noise_;
    double low_;
    double high_;
    std::uint64_t random_;
    double samplePeriod_;
    std::optional<GeneratorWave> wave_;
    double waveSecondsAtZero_ = 0; // the wave's own time at sample index 0
};

} // namespace radezuvi
