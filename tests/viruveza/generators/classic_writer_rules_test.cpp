// Rules of the classic writers that a generated text alone does not show: what they write back
// into the record, what they refuse, and the codes they compute.

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/classic_trigger_level.h"
#include "viruveza/generators/code_generator.h"
#include "viruveza/generators/operation_names.h"

#include <gtest/gtest.h>

#include <limits>

namespace doz::generators {

namespace {

using namespace classic_card;

DeviceSetup Record(std::uint16_t cardType, std::uint16_t operation) {
    DeviceSetup record = InitialDeviceSetup();
    record.cardType = cardType;
    record.operation = operation;
    return record;
}

GenerateResult Build(DeviceSetup& record, CardLine line, std::string& text) {
    CodeGenerator generator(record);
    return generator.build(line, text);
}

TEST(InterruptWriter, WritesTheLineOfTheSourceBackIntoTheRecord) {
    struct Case {
        std::uint16_t cardType;
        std::uint16_t source;
        std::uint16_t method;
        std::uint16_t line;
    };
    const Case cases[] = {
        {D230, 4, 0, 1},
        {D230, 2, 0, 0},
        {D250, 5, 1, 1},
        {D270, 4, 1, 1},
        {D270, 3, 0, 0},
        {D240, 2, 0, 1},
        {D245, 0, 1, 0},
        {T310, 1, 0, 1},
        {D220, 1, 1, 1},
        {D242, 0, 0, 0},
        {D260A_RevB, 0, 0, 0},
        {D260A_RevB, 3, 1, 1},
        {D295, 3, 0, 0},   // the D295's source is a port number,
                           // always on the first line
        {D220, 5, 0, 0},   // a source outside the list counts as one of the first line
        {M610DG, 1, 0, 0}, // a card outside the table
        {D260A_RevA, 1, 0, 0},
        {D230, 4, 2, 1}, // another method writes no calls but still reports the line
    };
    for (const Case& c : cases) {
        DeviceSetup record = Record(c.cardType, classic_operation::InterruptEvent);
        record.trigMode = c.source;
        record.trigSource = c.method;
        record.channel = 9;
        std::string text;
        ASSERT_TRUE(Build(record, CardLine::Classic, text).ok());
        EXPECT_EQ(record.channel, c.line)
            << CardConstant(CardLine::Classic, c.cardType) << " source " << c.source;
    }
}

TEST(ContinuousAiWriter, RefusesARecordWithoutChannels) {
    DeviceSetup record = Record(M610DG, classic_operation::ContinuousAi);
    record.channelCount = 0;
    std::string text;
    const GenerateResult result = Build(record, CardLine::Classic, text);
    EXPECT_EQ(result.status, GenerateStatus::NothingGenerated);
    EXPECT_EQ(result.message, "continuous AI needs at least one channel (channelCount is 0)");
    EXPECT_EQ(text, "");

    record.channelCount = 1;
    EXPECT_TRUE(Build(record, CardLine::Classic, text).ok());
}

TEST(CounterWriter, ServesTheE400TimerCounterWithTheClassicLibrary) {
    DeviceSetup record = Record(e400_card::E425, e400_operation::TimerCounter);
    std::string text;
    ASSERT_TRUE(Build(record, CardLine::E400, text).ok());
    EXPECT_TRUE(text.starts_with("// DAQ_E425 : General Purpose Timer/Counter\n\n")) << text;
    EXPECT_NE(text.find("#include \"zizev.h\"\n"), std::string::npos);
    EXPECT_NE(text.find("\tcardID = Register_Card(DAQ_E425, CardNumber);\n"), std::string::npos);
    EXPECT_NE(text.find("\tRelease_Card(cardID);\n"), std::string::npos);
}

TEST(CounterWriter, WritesTheT310ClockOnlyForTheClassicT310) {
    for (CardLine line : {CardLine::Classic, CardLine::E400}) {
        DeviceSetup record = Record(T310, line == CardLine::Classic ? classic_operation::Counter
                                                                    : e400_operation::TimerCounter);
        record.trigMode = 2;
        std::string text;
        ASSERT_TRUE(Build(record, line, text).ok());
        EXPECT_EQ(text.find("ClockSrc") != std::string::npos, line == CardLine::Classic) << text;
        EXPECT_EQ(text.find("CK1Src") != std::string::npos, line == CardLine::Classic) << text;
    }
}

TEST(ClassicDispatch, EveryOperationButContinuousAoHasAWriter) {
    for (std::uint16_t operation = 0; operation <= 10; ++operation) {
        DeviceSetup record = Record(D210, operation);
        record.channelCount = 1;
        std::string text;
        const bool expected = operation != classic_operation::ContinuousAo && operation <= 9;
        EXPECT_EQ(Build(record, CardLine::Classic, text).ok(), expected) << "operation " << operation;
    }
}

TEST(S720TriggerLevel, ScalesTheLevelOverTheRangeSpan) {
    struct Case {
        float volts;
        std::uint16_t adRange;
        std::uint8_t code;
    };
    const Case cases[] = {
        {0.0f, 2, 127},    {-5.0f, 2, 0},   {5.0f, 2, 255},
        {-5.01f, 2, 0},    {5.01f, 2, 255}, {4.96f, 2, 253},
        {0.0f, 10, 127},   {-1.0f, 10, 0},  {1.0f, 10, 255},
        {0.992f, 10, 253}, {-0.5f, 10, 63}, {-1.5f, 10, 0},
        {0.0f, 1, 0},      {0.5f, 15, 0},   {std::numeric_limits<float>::quiet_NaN(), 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(S720TriggerLevelCode(c.volts, c.adRange), c.code) << c.volts << " V on range " << c.adRange;
}

} // namespace

} // namespace doz::generators
