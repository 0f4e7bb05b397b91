#include "analog_signal.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace radezuvi {

namespace {

// One period of each shape in a table small enough for the first-level cache; the noise hides
// the steps between entries.
constexpr int kTableBits = 12;
constexpr std::size_t kTableSize = std::size_t{1} << kTableBits;
constexpr int kShapes = 4;
constexpr double kBaseFrequency = 20;       // Hz, channel 0
constexpr double kFrequencyStep = 15;       // Hz between neighbouring channels
constexpr double kLevel = 0.8;              // share of the range the waveform spans
constexpr double kNoise = 0.005;            // share of the range
constexpr double kMaxShareOfRate = 1.0 / 8; // keep at least eight samples per period

using ShapeTables = std::array<std::array<double, kTableSize>, kShapes>;

const ShapeTables& shapeTables() {
    static const ShapeTables tables = [] {
        ShapeTables t{};
        for (std::size_t i = 0; i < kTableSize; ++i) {
            const double x = static_cast<double>(i) / kTableSize; // 0 .. 1 over one period
            t[0][i] = std::sin(2 * std::numbers::pi * x);
            t[1][i] = x < 0.5 ? 1.0 : -1.0;
            t[2][i] = x < 0.5 ? 4 * x - 1 : 3 - 4 * x;
            t[3][i] = 2 * x - 1;
        }
        return t;
    }();
    return tables;
}

} // namespace

AnalogSignal::AnalogSignal(int channel, double sampleRate, RangeSpan range, std::uint64_t seed)
    : shape_(shapeTables()[static_cast<std::size_t>(channel) % kShapes].data()),
      frequency_(std::min(kBaseFrequency + kFrequencyStep * channel, sampleRate * kMaxShareOfRate)),
      phaseStep_(static_cast<std::uint64_t>(std::ldexp(frequency_ / sampleRate, 64))),
      rangeCentre_((range.low + range.high) / 2), centre_(rangeCentre_),
      amplitude_(kLevel * (range.high - range.low) / 2), noise_(kNoise * (range.high - range.low) / 2),
      low_(range.low), high_(range.high),
      random_((seed ^ 0x9E3779B97F4A7C15ull * static_cast<std::uint64_t>(channel + 1)) | 1),
      samplePeriod_(1.0 / sampleRate) {}

void AnalogSignal::setLoopBack(const AnalogDrive& drive, std::chrono::steady_clock::time_point zero) {
    centre_ = rangeCentre_ + drive.level;
    wave_ = drive.wave;
    if (wave_) {
        waveSecondsAtZero_ = std::chrono::duration<double>(zero - wave_->start).count();
    }
}

double AnalogSignal::noise() {
    // xorshift64: cheap enough to run at tens of millions of samples a second.
    random_ ^= random_ << 13;
    random_ ^= random_ >> 7;
    random_ ^= random_ << 17;
    return static_cast<double>(static_cast<std::int32_t>(random_ >> 32)) * 0x1p-31;
}

double AnalogSignal::waveSample(double seconds) {
    return std::clamp(wave_->valueAt(waveSecondsAtZero_ + seconds) + noise_ * noise(), low_, high_);
}

double AnalogSignal::sample(std::uint64_t phase) {
    const double value = centre_ + amplitude_ * shape_[phase >> (64 - kTableBits)] + noise_ * noise();
    return std::clamp(value, low_, high_);
}

void AnalogSignal::fill(double* out, std::size_t stride, std::uint64_t first, std::size_t count) {
    if (wave_) {
        for (std::size_t i = 0; i < count; ++i, out += stride) {
            *out = waveSample(static_cast<double>(first + i) * samplePeriod_);
        }
        return;
    }
    std::uint64_t phase = first * phaseStep_; // wraps modulo one period, as it should
    for (std::size_t i = 0; i < count; ++i, out += stride, phase += phaseStep_) {
        *out = sample(phase);
    }
}

double AnalogSignal::valueAt(double seconds) {
    if (wave_) {
        return waveSample(seconds);
    }
    const double cycles = frequency_ * seconds;
    return sample(static_cast<std::uint64_t>(std::ldexp(cycles - std::floor(cycles), 64)));
}

} // namespace radezuvi
