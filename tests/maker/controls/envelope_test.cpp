#include "maker/controls/envelope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

using namespace doz::controls;

TEST(AnalogEnvelope, EachColumnHoldsTheExtremesOfItsSamples) {
    // 12 samples over 3 columns: 4 each.
    const std::vector<double> data{1, -2, 3, 0, 5, 5, 5, 5, -1, 9, -7, 2};
    AnalogEnvelope out;
    reduceAnalog(data, 3, out);
    ASSERT_EQ(out.low.size(), 3u);
    EXPECT_EQ(out.samples, 12u);
    EXPECT_EQ(out.low[0], -2);
    EXPECT_EQ(out.high[0], 3);
    EXPECT_EQ(out.low[1], 5);
    EXPECT_EQ(out.high[1], 5);
    EXPECT_EQ(out.low[2], -7);
    EXPECT_EQ(out.high[2], 9);
    EXPECT_EQ(out.minimum, -7);
    EXPECT_EQ(out.maximum, 9);
}

TEST(AnalogEnvelope, UnevenSplitsCoverEverySampleOnce) {
    // 10 samples over 4 columns: sample i in column i*4/10 -> sizes 3, 2, 3, 2.
    std::vector<double> data(10);
    for (int i = 0; i < 10; ++i)
        data[i] = i;
    AnalogEnvelope out;
    reduceAnalog(data, 4, out);
    ASSERT_EQ(out.low.size(), 4u);
    const double lows[] = {0, 3, 5, 8};
    const double highs[] = {2, 4, 7, 9};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(out.low[c], lows[c]) << c;
        EXPECT_EQ(out.high[c], highs[c]) << c;
    }
}

TEST(AnalogEnvelope, FewerSamplesThanColumnsAndOddValues) {
    AnalogEnvelope out;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<double> data{nan, 2.5, -inf};
    reduceAnalog(data, 800, out); // never more columns than samples
    ASSERT_EQ(out.low.size(), 3u);
    EXPECT_FALSE(out.low[0] <= out.high[0]) << "a column of only NaN draws nothing";
    EXPECT_EQ(out.low[1], 2.5);
    EXPECT_EQ(out.low[2], -inf);
    EXPECT_EQ(out.maximum, 2.5);

    const std::vector<double> nans(100, nan);
    reduceAnalog(nans, 10, out);
    EXPECT_EQ(out.minimum, 0.0);
    EXPECT_EQ(out.maximum, 0.0);

    reduceAnalog({}, 10, out);
    EXPECT_TRUE(out.low.empty());
    EXPECT_EQ(out.samples, 0u);

    // A NaN inside a long column (vector lanes included) is skipped, not spread.
    std::vector<double> mixed(64, 1.0);
    mixed[5] = nan;
    mixed[40] = -3.0;
    reduceAnalog(mixed, 1, out);
    EXPECT_EQ(out.low[0], -3.0);
    EXPECT_EQ(out.high[0], 1.0);
}

TEST(DigitalEnvelope, ColumnsTellLinesThatWereOneZeroOrBoth) {
    // Line 0 toggles every sample, line 1 is 1 in the first half only, line 7 always 0.
    std::vector<std::uint8_t> words(8);
    for (int i = 0; i < 8; ++i)
        words[i] = static_cast<std::uint8_t>((i & 1) | (i < 4 ? 2 : 0));
    DigitalEnvelope out;
    reduceDigital({words.data(), words.size()}, 8, 2, out);
    ASSERT_EQ(out.ones.size(), 2u);
    EXPECT_EQ(out.width, 8);
    EXPECT_EQ(out.samples, 8u);
    EXPECT_EQ(out.ones[0], 0x03u);
    EXPECT_EQ(out.zeros[0], 0xFDu); // line 0 has an edge, line 1 stays 1
    EXPECT_EQ(out.ones[1], 0x01u);
    EXPECT_EQ(out.zeros[1], 0xFFu);
}

TEST(DigitalEnvelope, WiderSamplesAndRefusedBlocks) {
    const std::vector<std::uint32_t> wide{0x80000000u, 0x80000001u};
    DigitalEnvelope out;
    reduceDigital({wide.data(), wide.size()}, 32, 1, out);
    ASSERT_EQ(out.ones.size(), 1u);
    EXPECT_EQ(out.ones[0], 0x80000001u);
    EXPECT_EQ(out.zeros[0], 0x7FFFFFFFu);

    const std::vector<std::uint16_t> half{0xFFFF, 0xFFFF};
    reduceDigital({half.data(), half.size()}, 16, 1, out);
    EXPECT_EQ(out.ones[0], 0xFFFFu);
    EXPECT_EQ(out.zeros[0], 0u) << "bits above the width are not lines";

    reduceDigital({half.data(), half.size()}, 12, 1, out);
    EXPECT_EQ(out.width, 0);
    EXPECT_TRUE(out.ones.empty());
    reduceDigital({nullptr, 5}, 8, 1, out);
    EXPECT_EQ(out.width, 0);
}
