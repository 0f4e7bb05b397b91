// The simulated analog signals: one shape per channel at its own frequency, at 80 % of the
// range with a little noise, shifted by a looped-back output (or replaced by a looped-back
// generator's wave) and clipped to the range.
#include "analog_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numeric>
#include <vector>

namespace radezuvi {
namespace {

std::vector<double> samples(int channel, double rate, RangeSpan range, std::size_t count, double offset = 0) {
    AnalogSignal signal(channel, rate, range, 1);
    signal.setLoopBack(AnalogDrive{offset}, {});
    std::vector<double> out(count);
    signal.fill(out.data(), 1, 0, count);
    return out;
}

double mean(const std::vector<double>& v) {
    return std::accumulate(v.begin(), v.end(), 0.0) / v.size();
}

TEST(AnalogSignal, ChannelsHaveDistinctFrequencies) {
    std::vector<double> frequencies;
    for (int channel = 0; channel < 8; ++channel) {
        frequencies.push_back(AnalogSignal(channel, 100'000, {-10, 10}, 1).frequency());
    }
    std::sort(frequencies.begin(), frequencies.end());
    EXPECT_EQ(std::adjacent_find(frequencies.begin(), frequencies.end()), frequencies.end());
    EXPECT_LE(AnalogSignal(90, 1000, {-10, 10}, 1).frequency(), 1000.0 / 8); // still drawable
}

TEST(AnalogSignal, ShapesFollowTheChannelNumber) {
    const RangeSpan range{-5, 5};
    const auto sine = samples(0, 20'000, range, 1000); // one 20 Hz period
    const auto square = samples(1, 35'000, range, 1000);
    EXPECT_NEAR(*std::max_element(sine.begin(), sine.end()), 4.0, 0.1);
    EXPECT_NEAR(*std::min_element(sine.begin(), sine.end()), -4.0, 0.1);
    EXPECT_NEAR(mean(sine), 0.0, 0.02);
    for (const double v : square) {
        EXPECT_NEAR(std::abs(v), 4.0, 0.1); // only the two levels, with noise
    }
}

TEST(AnalogSignal, OffsetShiftsAndRangeClips) {
    const auto shifted = samples(0, 20'000, {-10, 10}, 1000, 1.5);
    EXPECT_NEAR(mean(shifted), 1.5, 0.05);
    const auto clipped = samples(1, 35'000, {-1, 1}, 1000, 0.9);
    EXPECT_EQ(*std::max_element(clipped.begin(), clipped.end()), 1.0);
    EXPECT_GE(*std::min_element(clipped.begin(), clipped.end()), -1.0);
}

TEST(AnalogSignal, FillingInBlocksContinuesTheWave) {
    AnalogSignal whole(2, 10'000, {-10, 10}, 1);
    AnalogSignal pieces(2, 10'000, {-10, 10}, 1);
    std::vector<double> a(600);
    std::vector<double> b(600);
    whole.fill(a.data(), 1, 0, 600);
    pieces.fill(b.data(), 1, 0, 300);
    pieces.fill(b.data() + 300, 1, 300, 300);
    for (std::size_t i = 0; i < a.size(); ++i) {
        EXPECT_NEAR(a[i], b[i], 0.2) << i; // the same wave; only the noise differs
    }
}

TEST(AnalogSignal, InterleavesWithAStride) {
    AnalogSignal signal(0, 1000, {-10, 10}, 1);
    std::vector<double> out(10, 99.0);
    signal.fill(out.data(), 2, 0, 5);
    for (std::size_t i = 1; i < out.size(); i += 2) {
        EXPECT_EQ(out[i], 99.0);
    }
    EXPECT_LT(std::abs(out[0]), 0.2); // a sine starts at zero
}

TEST(AnalogSignal, ALoopedBackGeneratorReplacesTheOwnWave) {
    const auto started = std::chrono::steady_clock::time_point{} + std::chrono::seconds(5);
    // A 1 kHz square, 25 % high, between 3 V and -1 V, sampled at 100 kS/s from its start.
    GeneratorWave square{401, 1000, 2, 1, 0, 25, started};
    AnalogSignal signal(0, 100'000, {-10, 10}, 1);
    signal.setLoopBack(AnalogDrive{1, square}, started);
    std::vector<double> out(1000); // ten periods
    signal.fill(out.data(), 1, 0, out.size());
    int high = 0;
    for (const double v : out) {
        EXPECT_TRUE(std::abs(v - 3) < 0.1 || std::abs(v + 1) < 0.1) << v;
        high += v > 1 ? 1 : 0;
    }
    EXPECT_NEAR(high, 250, 10);

    // A sine with phase 90 degrees starts at its peak; sampling from a later moment continues it.
    GeneratorWave sine{400, 50, 4, 0, 90, 50, started};
    signal.setLoopBack(AnalogDrive{0, sine}, started);
    signal.fill(out.data(), 1, 0, 1);
    EXPECT_NEAR(out[0], 4.0, 0.1);
    signal.setLoopBack(AnalogDrive{0, sine}, started + std::chrono::milliseconds(10)); // half a period on
    signal.fill(out.data(), 1, 0, 1);
    EXPECT_NEAR(out[0], -4.0, 0.1);
    EXPECT_NEAR(signal.valueAt(0.005), 0.0, 0.1) << "three quarters into the period";

    // The input's range still clips the wave, and a triangle and a sawtooth keep their shape.
    AnalogSignal narrow(1, 100'000, {-1, 1}, 1);
    narrow.setLoopBack(AnalogDrive{0, GeneratorWave{400, 100, 5, 0, 0, 50, started}}, started);
    std::vector<double> clipped(1000);
    narrow.fill(clipped.data(), 1, 0, clipped.size());
    EXPECT_EQ(*std::max_element(clipped.begin(), clipped.end()), 1.0);
    EXPECT_EQ(*std::min_element(clipped.begin(), clipped.end()), -1.0);
    EXPECT_NEAR(GeneratorWave({402, 1, 1, 0, 0, 50, started}).valueAt(0.25), 0.0, 1e-9);
    EXPECT_NEAR(GeneratorWave({402, 1, 1, 0, 0, 50, started}).valueAt(0.5), 1.0, 1e-9);
    EXPECT_NEAR(GeneratorWave({403, 1, 1, 0, 0, 50, started}).valueAt(0.75), 0.5, 1e-9);

    // A level written after the generator brings the channel's own wave back.
    signal.setLoopBack(AnalogDrive{0}, started);
    signal.fill(out.data(), 1, 1250, 1); // a quarter of the own 20 Hz sine: its peak, 80 % of 10 V
    EXPECT_NEAR(out[0], 8.0, 0.2);
}

} // namespace
} // namespace radezuvi
