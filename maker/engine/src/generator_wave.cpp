#include "generator_wave.h"

#include <cmath>
#include <numbers>

namespace radezuvi {

double GeneratorWave::valueAt(double seconds) const {
    const double cycles = frequency * seconds + phaseDegrees / 360.0;
    const double x = cycles - std::floor(cycles); // 0 .. 1 within the period
    double unit = 0;
    switch (waveform) {
    case 401:
        unit = x < dutyPercent / 100.0 ? 1.0 : -1.0;
        break;
    case 402:
        unit = x < 0.5 ? 4 * x - 1 : 3 - 4 * x;
        break;
    case 403:
        unit = 2 * x - 1;
        break;
    default:
        unit = std::sin(2 * std::numbers::pi * x);
        break;
    }
    return offset + amplitude * unit;
}

} // namespace radezuvi
