// The E400 writers' rules that golden files show only one case at a time: what each writer
// leaves in the record, when it writes nothing, which writer a record reaches, and the
// analog-trigger level codes at the bounds of every span.

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/channel_list.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

namespace doz::generators {

namespace {

using namespace e400_card;

DeviceSetup E400Record(std::uint16_t card, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = card;
    record.operation = operation;
    record.channelCount = 0;
    record.scanCount = 100;
    record.syncMode = 1;
    return record;
}

void EnableAi(DeviceSetup& record, std::initializer_list<int> channels) {
    for (int channel : channels)
        record.aiChannels[channel].enabled = 1;
}

void EnableAo(DeviceSetup& record, std::initializer_list<int> channels) {
    for (int channel : channels)
        record.aoChannels[channel].enabled = 1;
}

struct Generation {
    GenerateResult result;
    std::string text;
};

Generation Generate(DeviceSetup& record) {
    CodeGenerator generator(record);
    Generation generation{{}, {}};
    generation.result = generator.build(CardLine::E400, generation.text);
    return generation;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

using Channels = std::vector<std::uint16_t>;

} // namespace

TEST(E400Normalisation, EveryAnalogWriterKeepsTheNormalisedSelectionInTheRecord) {
    for (std::uint16_t operation : {e400_operation::SinglePointAi, e400_operation::ContinuousAi}) {
        DeviceSetup record = E400Record(E435, operation);
        record.channel = 9;
        EnableAi(record, {1, 2, 3});
        ASSERT_TRUE(Generate(record).result.ok()) << operation;
        EXPECT_EQ(record.channelCount, 3) << operation;
        EXPECT_EQ(record.channel, 1) << operation;
        EXPECT_EQ(record.channelPattern, ConsecutiveAlike) << operation;
    }
    for (std::uint16_t operation : {e400_operation::AnalogOutput, e400_operation::ContinuousAo}) {
        DeviceSetup record = E400Record(E460, operation);
        EnableAo(record, {0, 3});
        ASSERT_TRUE(Generate(record).result.ok()) << operation;
        EXPECT_EQ(record.channelCount, 2) << operation;
        EXPECT_EQ(record.channel, 0) << operation;
        EXPECT_EQ(record.channelPattern, EachChannelSet) << operation;
    }
}

TEST(E400Normalisation, ApplyToAllSurvivesAndMixedKeysSetEachChannel) {
    DeviceSetup all = E400Record(E440, e400_operation::SinglePointAi);
    all.channelPattern = AllLikeFirst;
    EnableAi(all, {4, 5});
    all.aiChannels[5].refGround = AiDiff;
    ASSERT_TRUE(Generate(all).result.ok());
    EXPECT_EQ(all.channelPattern, AllLikeFirst);
    EXPECT_EQ(all.channel, 4);

    // Same range, different ground: the consecutive channels are not alike.
    DeviceSetup mixed = E400Record(E440, e400_operation::ContinuousAi);
    EnableAi(mixed, {4, 5});
    mixed.aiChannels[5].refGround = AiDiff;
    const Generation generation = Generate(mixed);
    ASSERT_TRUE(generation.result.ok());
    EXPECT_EQ(mixed.channelPattern, EachChannelSet);
    EXPECT_TRUE(Contains(generation.text, "\tchans[1] = 5;\n"));
}

TEST(E400Normalisation, OneChannelIsNeitherScannedNorChanged) {
    DeviceSetup record = E400Record(E420, e400_operation::SinglePointAi);
    record.channelCount = 1;
    record.channel = 3;
    record.channelPattern = 7;
    EnableAi(record, {0, 1});
    const DeviceSetup before = record;
    const Generation generation = Generate(record);
    ASSERT_TRUE(generation.result.ok());
    EXPECT_TRUE(Contains(generation.text, "#define ADChan\t3\n"));
    EXPECT_EQ(record.channel, before.channel);
    EXPECT_EQ(record.channelCount, 1);
    EXPECT_EQ(record.channelPattern, 7);
}

TEST(E400Normalisation, OnlyTheCardsTableIsScanned) {
    // The E420 scans 4 AI entries and 2 AO entries; the E465's single-point AO scans 8.
    DeviceSetup ai = E400Record(E420, e400_operation::SinglePointAi);
    EnableAi(ai, {2, 4, 5});
    ASSERT_TRUE(Generate(ai).result.ok());
    EXPECT_EQ(ai.channelCount, 1);
    EXPECT_EQ(ai.channel, 2);

    DeviceSetup ao = E400Record(E420, e400_operation::AnalogOutput);
    EnableAo(ao, {1, 2});
    ASSERT_TRUE(Generate(ao).result.ok());
    EXPECT_EQ(ao.channelCount, 1);

    DeviceSetup e465 = E400Record(E465, e400_operation::AnalogOutput);
    EnableAo(e465, {1, 7, 8});
    ASSERT_TRUE(Generate(e465).result.ok());
    EXPECT_EQ(e465.channelCount, 2);
}

TEST(E400Writers, ASelectionWithoutAnEnabledChannelWritesNothing) {
    for (std::uint16_t operation : {e400_operation::SinglePointAi, e400_operation::ContinuousAi,
                                    e400_operation::AnalogOutput, e400_operation::ContinuousAo}) {
        for (std::uint16_t card : {E435, E460, E465}) {
            DeviceSetup record = E400Record(card, operation);
            const Generation generation = Generate(record);
            EXPECT_EQ(generation.result.status, GenerateStatus::NothingGenerated) << operation << " " << card;
            EXPECT_EQ(generation.result.message, "no channel is enabled in the channel table");
            EXPECT_TRUE(generation.text.empty());
        }
    }
}

TEST(E400ContinuousAi, RetriggerCountIsOneWhereverRetriggerDoesNotApply) {
    struct Case {
        std::uint16_t trigFlags;
        std::uint16_t doubleBuffer;
        std::uint16_t expected;
    };
    const Case cases[] = {
        {0x80, 0, 6},        // post, retrigger: kept
        {0x08 | 0x80, 0, 6}, // delay, retrigger: kept
        {0x80, 1, 1},        // retrigger with double buffer does not apply
        {0x00, 0, 1},        // post without retrigger
        {0x10, 0, 1},        // pre-trigger: a count of 0 would size the buffer to nothing
        {0x18, 0, 1},        // middle
    };
    for (const Case& c : cases) {
        DeviceSetup record = E400Record(E435, e400_operation::ContinuousAi);
        record.channelCount = 1;
        record.trigFlags = c.trigFlags;
        record.doubleBuffer = c.doubleBuffer;
        record.reTrigCount = c.trigFlags & 0x80 ? 6 : 0;
        const Generation generation = Generate(record);
        ASSERT_TRUE(generation.result.ok());
        EXPECT_EQ(record.reTrigCount, c.expected) << c.trigFlags << " " << c.doubleBuffer;
        EXPECT_TRUE(Contains(generation.text, "I16 InBuf[" + std::to_string(100 * c.expected) + "];"))
            << c.trigFlags << " " << c.doubleBuffer;
    }
}

TEST(E465Normalisation, TheRunningModeChoosesTheEntriesAndKeepsTheChannelCount) {
    DeviceSetup record = InitialDeviceSetup();
    for (int channel : {1, 2, 5, 6})
        record.aoChannels[channel].enabled = 1;
    record.channelCount = 2;

    E465ChannelList groupA = NormaliseE465Channels(record, 0, 4);
    EXPECT_EQ(groupA.channels, (Channels{1, 2}));
    E465ChannelList groupB = NormaliseE465Channels(record, 4, 8);
    EXPECT_EQ(groupB.channels, (Channels{5, 6}));
    E465ChannelList both = NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(both.channels, (Channels{1, 2, 5, 6}));
    EXPECT_EQ(both.groupA, 2);
    EXPECT_EQ(both.groupB, 2);
    EXPECT_EQ(record.channelCount, 2);
}

TEST(E465Normalisation, OnlyTheFirstChannelCountNeighboursDecideThePattern) {
    DeviceSetup record = InitialDeviceSetup();
    for (int channel : {0, 1, 3})
        record.aoChannels[channel].enabled = 1;
    record.channelCount = 2; // the pair (1, 3) lies beyond the count
    NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(record.channelPattern, ConsecutiveAlike);

    record.channelCount = 3;
    NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(record.channelPattern, EachChannelSet);

    record.channelCount = 2;
    record.aoChannels[1].refVoltage = 5.0;
    NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(record.channelPattern, EachChannelSet);

    record.channelPattern = AllLikeFirst;
    NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(record.channelPattern, AllLikeFirst);
}

TEST(E465Normalisation, OneChannelBecomesTheFirstEnabledEntryOfItsGroup) {
    DeviceSetup record = InitialDeviceSetup();
    record.aoChannels[2].enabled = 1;
    record.aoChannels[6].enabled = 1;
    record.channelCount = 1;
    record.channel = 0;
    NormaliseE465Channels(record, 4, 8);
    EXPECT_EQ(record.channel, 6);
    NormaliseE465Channels(record, 0, 4);
    EXPECT_EQ(record.channel, 2);

    // Several channels leave `channel` alone.
    record.channelCount = 2;
    record.channel = 9;
    NormaliseE465Channels(record, 0, 8);
    EXPECT_EQ(record.channel, 9);
}

TEST(E465Waveform, RecordsTheCardCannotRunWriteNothing) {
    struct Case {
        const char* what;
        std::uint16_t runningMode;
        std::uint16_t channelCount;
        std::uint16_t doubleBuffer;
        std::initializer_list<int> enabled;
        const char* message;
    };
    const Case cases[] = {
        {"no channel in group B", 4, 1, 0, {0, 1}, "no channel is enabled in the channel table"},
        {"more channels than enabled",
         0,
         3,
         0,
         {0, 1},
         "channelCount does not match the channels enabled for the "
         "running group"},
        {"no channel count",
         8,
         0,
         0,
         {0, 4},
         "channelCount does not match the channels enabled for the running "
         "group"},
        {"separate groups, one channel",
         12,
         1,
         0,
         {0, 4},
         "groups A and B run separately need a channel in each group"},
        {"separate groups, double buffer",
         12,
         2,
         1,
         {0, 4},
         "groups A and B cannot run separately with double buffer"},
    };
    for (const Case& c : cases) {
        DeviceSetup record = E400Record(E465, e400_operation::ContinuousAo);
        record.adRange = c.runningMode;
        record.channelCount = c.channelCount;
        record.doubleBuffer = c.doubleBuffer;
        for (int channel : c.enabled)
            record.aoChannels[channel].enabled = 1;
        const Generation generation = Generate(record);
        EXPECT_EQ(generation.result.status, GenerateStatus::NothingGenerated) << c.what;
        EXPECT_EQ(generation.result.message, c.message) << c.what;
    }
}

TEST(E465Waveform, OtherRunningModesRunTheGroupsSeparately) {
    DeviceSetup record = E400Record(E465, e400_operation::ContinuousAo);
    record.adRange = 5;
    record.channelCount = 2;
    record.syncMode = 1;
    record.outputMode = 1;
    EnableAo(record, {3, 7});
    const Generation generation = Generate(record);
    ASSERT_TRUE(generation.result.ok());
    EXPECT_TRUE(Contains(generation.text, "#define DAChanCountA  1\n#define DAChanCountB  1\n"));
    EXPECT_TRUE(Contains(generation.text, "\t//Group B starts\n"));
}

TEST(E400Dispatch, ContinuousAoOnTheE465GoesToTheTwoGroupWriter) {
    DeviceSetup e465 = E400Record(E465, e400_operation::ContinuousAo);
    e465.channelCount = 1;
    EnableAo(e465, {0});
    const Generation waveform = Generate(e465);
    ASSERT_TRUE(waveform.result.ok());
    EXPECT_TRUE(waveform.text.starts_with("// DAQ_E465 : Continuous AO (Waveform)\n"));
    EXPECT_TRUE(Contains(waveform.text, "U16 DAGroup = DA_Group_A; // DA group\n"));

    DeviceSetup e460 = E400Record(E460, e400_operation::ContinuousAo);
    e460.channelCount = 1;
    const Generation oneGroup = Generate(e460);
    ASSERT_TRUE(oneGroup.result.ok());
    EXPECT_TRUE(Contains(oneGroup.text, "U8 fstop = 0;\n"));
    EXPECT_FALSE(Contains(oneGroup.text, "DAGroup"));
}

TEST(E400Dispatch, EveryOperationWithAWriterReachesIt) {
    const struct {
        std::uint16_t operation;
        const char* firstCall;
    } operations[] = {
        {e400_operation::SinglePointAi, "R4A_AI_ReadChannel"},
        {e400_operation::ContinuousAi, "R4A_AI_ContReadChannel"},
        {e400_operation::AnalogOutput, "R4A_AO_VWriteChannel"},
        {e400_operation::ContinuousAo, "R4A_AO_ContWriteChannel"},
        {e400_operation::DigitalInput, "R4A_DI_ReadPort"},
        {e400_operation::DigitalOutput, "R4A_DO_WritePort"},
    };
    for (const auto& entry : operations) {
        DeviceSetup record = E400Record(E430, entry.operation);
        record.channelCount = 1;
        const Generation generation = Generate(record);
        ASSERT_TRUE(generation.result.ok()) << entry.operation;
        EXPECT_TRUE(generation.text.starts_with(std::string("// DAQ_E430 : ") +
                                                OperationName(CardLine::E400, entry.operation) + "\n"));
        EXPECT_TRUE(Contains(generation.text, entry.firstCall)) << entry.operation;
    }
}

// The level codes of the analog trigger on the converter's own input, at both bounds of every
// span, just beyond them and at the middle; the first channel's range codes the levels.
TEST(E400AnalogTrigger, LevelCodesAtTheSpanBounds) {
    struct Span {
        std::uint16_t range;
        float low;
        float high;
        int lowCode; // the low bound computes 0: 1 on bipolar spans, kept on unipolar ones
        int middleCode;
    };
    const Span spans[] = {
        {1, -10.0f, 10.0f, 1, 128}, {2, -5.0f, 5.0f, 1, 128},  {3, -2.5f, 2.5f, 1, 128},
        {4, -1.25f, 1.25f, 1, 128}, {15, 0.0f, 10.0f, 0, 128}, {16, 0.0f, 5.0f, 0, 128},
        {17, 0.0f, 2.5f, 0, 128},   {18, 0.0f, 1.25f, 0, 128},
    };
    const auto codes = [](std::uint16_t range, float high, float low) {
        DeviceSetup record = E400Record(E435, e400_operation::ContinuousAi);
        record.channelCount = 1;
        record.channel = 5;
        record.aiChannels[5].range = range;
        record.trigFlags = 0x1; // analog trigger source
        record.level = high;
        record.levelLow = low;
        const std::string text = Generate(record).text;
        const auto value = [&text](const std::string& name) {
            const std::size_t at = text.find("#define " + name + "  ");
            return at == std::string::npos ? -1 : std::stoi(text.substr(at + name.size() + 10));
        };
        return std::make_pair(value("HTriggerLevel"), value("LTriggerLevel"));
    };
    for (const Span& span : spans) {
        EXPECT_EQ(codes(span.range, span.high, span.low), std::make_pair(256, span.lowCode)) << span.range;
        EXPECT_EQ(codes(span.range, span.high + 0.01f, span.low - 0.01f), std::make_pair(256, 1))
            << span.range;
        EXPECT_EQ(codes(span.range, (span.low + span.high) / 2, span.low),
                  std::make_pair(span.middleCode, span.lowCode))
            << span.range;
    }
    // Ranges without an analog trigger code every level as 0.
    EXPECT_EQ(codes(5, 1.0f, -1.0f), std::make_pair(0, 0));
}

} // namespace doz::generators
