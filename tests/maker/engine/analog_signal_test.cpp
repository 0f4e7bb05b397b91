// The simulated analog signals: one shape per channel at its own frequency, at 80 % of the
// range with a little noise, shifted by a looped-back output and clipped to the range.
#include "analog_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

namespace radezuvi {
namespace {

std::vector<double> samples(int channel, double rate, RangeSpan range, std::size_t count, double offset = 0) {
    AnalogSignal signal(channel, rate, range, 1);
    signal.setOffset(offset);
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

} // namespace
} // namespace radezuvi
