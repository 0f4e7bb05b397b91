#include "viruveza/generators/trigger_level.h"

#include <gtest/gtest.h>

#include <limits>

namespace doz::generators {

TEST(AnalogTriggerLevel, BipolarSpans) {
    EXPECT_EQ(AnalogTriggerLevelCode(0.0f, 1), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(-10.0f, 1), 1) << "the low bound computes 0, which becomes 1";
    EXPECT_EQ(AnalogTriggerLevelCode(10.0f, 1), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(10.5f, 1), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(-10.5f, 1), 1);
    EXPECT_EQ(AnalogTriggerLevelCode(1.0f, 1), 140) << "140.8 truncated";
    EXPECT_EQ(AnalogTriggerLevelCode(-9.95f, 1), 1) << "0.64 truncates to 0, which becomes 1";

    EXPECT_EQ(AnalogTriggerLevelCode(0.0f, 2), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(-5.0f, 2), 1);
    EXPECT_EQ(AnalogTriggerLevelCode(5.0f, 2), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(5.01f, 2), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(2.5f, 2), 192);

    EXPECT_EQ(AnalogTriggerLevelCode(0.0f, 3), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(2.5f, 3), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(-2.6f, 3), 1);

    EXPECT_EQ(AnalogTriggerLevelCode(0.0f, 4), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(-1.25f, 4), 1);
    EXPECT_EQ(AnalogTriggerLevelCode(1.25f, 4), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(0.625f, 4), 192);
}

TEST(AnalogTriggerLevel, UnipolarSpansKeepZero) {
    EXPECT_EQ(AnalogTriggerLevelCode(0.0f, 15), 0);
    EXPECT_EQ(AnalogTriggerLevelCode(5.0f, 15), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(10.0f, 15), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(-0.1f, 15), 1) << "below the span";
    EXPECT_EQ(AnalogTriggerLevelCode(10.1f, 15), 256);

    EXPECT_EQ(AnalogTriggerLevelCode(2.5f, 16), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(5.0f, 16), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(1.25f, 17), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(2.5f, 17), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(0.625f, 18), 128);
    EXPECT_EQ(AnalogTriggerLevelCode(1.25f, 18), 256);
    EXPECT_EQ(AnalogTriggerLevelCode(0.001f, 18), 0) << "0.2048 truncated, and 0 is kept";
}

TEST(AnalogTriggerLevel, RangesWithoutATriggerGiveZero) {
    for (std::uint16_t range : {0, 5, 13, 14, 19, 22, 23}) {
        EXPECT_EQ(AnalogTriggerLevelCode(0.0f, range), 0) << "range " << range;
        EXPECT_EQ(AnalogTriggerLevelCode(-20.0f, range), 0) << "range " << range;
        EXPECT_EQ(AnalogTriggerLevelCode(20.0f, range), 0) << "range " << range;
    }
}

TEST(AnalogTriggerLevel, ANaNLevelIsTakenAsBelowTheSpan) {
    EXPECT_EQ(AnalogTriggerLevelCode(std::numeric_limits<float>::quiet_NaN(), 1), 1);
}

} // namespace doz::generators
