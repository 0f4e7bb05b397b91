#include "viruveza/generators/channel_list.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

namespace doz::generators {

namespace {

DeviceSetup WithAiChannels(std::initializer_list<int> enabled) {
    DeviceSetup record = InitialDeviceSetup();
    record.channelCount = 0;
    for (int channel : enabled)
        record.aiChannels[channel].enabled = 1;
    return record;
}

DeviceSetup WithAoChannels(std::initializer_list<int> enabled) {
    DeviceSetup record = InitialDeviceSetup();
    record.channelCount = 0;
    for (int channel : enabled)
        record.aoChannels[channel].enabled = 1;
    return record;
}

using Channels = std::vector<std::uint16_t>;

} // namespace

TEST(ChannelList, OneChannelIsUsedUnchangedEvenWhenItsEntryIsDisabled) {
    DeviceSetup record = WithAiChannels({0, 1});
    record.channelCount = 1;
    record.channel = 5;
    record.channelPattern = EachChannelSet;
    const DeviceSetup before = record;

    const ChannelList list = NormaliseAiChannels(record, 64);

    EXPECT_EQ(list.channels, Channels{5});
    EXPECT_FALSE(list.mixedSettings);
    EXPECT_EQ(std::memcmp(&record, &before, sizeof record), 0);
}

TEST(ChannelList, ConsecutiveChannelsWithEqualSettingsBecomeOneRun) {
    DeviceSetup record = WithAiChannels({0, 1, 2});
    record.channel = 9;
    const ChannelList list = NormaliseAiChannels(record, 4);

    EXPECT_EQ(list.channels, (Channels{0, 1, 2}));
    EXPECT_FALSE(list.mixedSettings);
    EXPECT_EQ(record.channelPattern, ConsecutiveAlike);
    EXPECT_EQ(record.channel, 0);
    EXPECT_EQ(record.channelCount, 3);
}

TEST(ChannelList, AGapMakesEveryChannelSetOnItsOwn) {
    DeviceSetup record = WithAiChannels({0, 2});
    const ChannelList list = NormaliseAiChannels(record, 4);

    EXPECT_EQ(list.channels, (Channels{0, 2}));
    EXPECT_FALSE(list.mixedSettings);
    EXPECT_EQ(record.channelPattern, EachChannelSet);
    EXPECT_EQ(record.channelCount, 2);
}

TEST(ChannelList, DifferentSettingsAreMixed) {
    DeviceSetup record = WithAiChannels({1, 2, 3});
    record.aiChannels[2].range = 14;
    const ChannelList list = NormaliseAiChannels(record, 4);

    EXPECT_TRUE(list.mixedSettings);
    EXPECT_EQ(record.channelPattern, EachChannelSet);
    EXPECT_EQ(record.channel, 1);
}

TEST(ChannelList, RangeAndGroundAreComparedApart) {
    // Range 3 single-ended and range 2 differential are different settings.
    DeviceSetup record = WithAiChannels({0, 1});
    record.aiChannels[0].range = 3;
    record.aiChannels[0].refGround = AiRse;
    record.aiChannels[1].range = 2;
    record.aiChannels[1].refGround = AiDiff;
    EXPECT_TRUE(NormaliseAiChannels(record, 4).mixedSettings);

    DeviceSetup sameRange = WithAiChannels({0, 1});
    sameRange.aiChannels[1].refGround = AiDiff;
    EXPECT_TRUE(NormaliseAiChannels(sameRange, 4).mixedSettings);
    EXPECT_EQ(sameRange.channelPattern, EachChannelSet);
}

TEST(ChannelList, ApplyToAllSurvivesNormalisation) {
    DeviceSetup record = WithAiChannels({0, 2});
    record.aiChannels[2].range = 5;
    record.channelPattern = AllLikeFirst;
    const ChannelList list = NormaliseAiChannels(record, 4);

    EXPECT_EQ(record.channelPattern, AllLikeFirst);
    EXPECT_EQ(record.channelCount, 2);
    EXPECT_TRUE(list.mixedSettings);
}

TEST(ChannelList, OnlyTheCardsTableIsScanned) {
    DeviceSetup record = WithAiChannels({3, 4, 95, 96});
    EXPECT_EQ(NormaliseAiChannels(record, 4).channels, Channels{3});
    EXPECT_EQ(record.channelCount, 1);

    DeviceSetup wide = WithAiChannels({3, 4, 95, 96});
    EXPECT_EQ(NormaliseAiChannels(wide, 96).channels, (Channels{3, 4, 95}));
}

TEST(ChannelList, NoEnabledChannelLeavesAnEmptyList) {
    DeviceSetup record = WithAiChannels({});
    record.channel = 7;
    const ChannelList list = NormaliseAiChannels(record, 64);

    EXPECT_TRUE(list.channels.empty());
    EXPECT_EQ(record.channelCount, 0);
    EXPECT_EQ(record.channel, 7);
}

TEST(ChannelList, AoSettingsArePolarityReferenceAndReferenceVoltage) {
    DeviceSetup alike = WithAoChannels({1, 2, 3});
    EXPECT_FALSE(NormaliseAoChannels(alike, 4).mixedSettings);
    EXPECT_EQ(alike.channelPattern, ConsecutiveAlike);
    EXPECT_EQ(alike.channel, 1);

    DeviceSetup voltage = WithAoChannels({0, 1});
    voltage.aoChannels[1].refVoltage = 5.0;
    EXPECT_TRUE(NormaliseAoChannels(voltage, 2).mixedSettings);

    DeviceSetup polarity = WithAoChannels({0, 1});
    polarity.aoChannels[0].polarity = 0;
    EXPECT_TRUE(NormaliseAoChannels(polarity, 2).mixedSettings);

    DeviceSetup reference = WithAoChannels({0, 1});
    reference.aoChannels[1].refSource = 1;
    EXPECT_TRUE(NormaliseAoChannels(reference, 2).mixedSettings);
    EXPECT_EQ(reference.channelPattern, EachChannelSet);

    // The output voltage is not a setting.
    DeviceSetup outputs = WithAoChannels({0, 1});
    outputs.aoChannels[1].voltage = 3.0;
    EXPECT_FALSE(NormaliseAoChannels(outputs, 2).mixedSettings);
}

} // namespace doz::generators
