// The simulated signal on one analog input channel: channel c shows a sine, square, triangle or
// ramp (by c modulo 4) at its own frequency, at 80 % of the range, with a little noise, shifted
// by the value looped back from the card's analog output and clipped to the range.
#pragma once

#include "range_table.h"

#include <cstddef>
#include <cstdint>

namespace radezuvi {

class AnalogSignal {
public:
    // seed picks the noise sequence (any value).
    AnalogSignal(int channel, double sampleRate, RangeSpan range, std::uint64_t seed);

    double frequency() const { return frequency_; }

    // Moves the signal's centre by a value looped back from an analog output.
    void setOffset(double offset) { centre_ = rangeCentre_ + offset; }

    // Writes count samples, starting at sample index first, every stride doubles from out.
    void fill(double* out, std::size_t stride, std::uint64_t first, std::size_t count);

    // The value at a time since the card powered on, for single-point reads.
    double valueAt(double seconds);

private:
    double sample(std::uint64_t phase);

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
};

} // namespace radezuvi
