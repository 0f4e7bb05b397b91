// Single-point input and output on the simulated cards: ports that read back their outputs,
// analog outputs checked against their ranges and looped back, patterns and counters.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bitset>
#include <chrono>
#include <cstring>
#include <numeric>
#include <thread>
#include <vector>

namespace radezuvi::test {
namespace {

class SimulatedIo : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0); }

    doz::test::ScopedMachineProfile profile_;

    static Radezuvi_Handle portTask(int operation, int typeCode, int port, int bank = 0) {
        const Radezuvi_Handle task = Radezuvi_CreateTask(operation, typeCode, 0, 1);
        if (bank != 0) {
            Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_INPUT_SOURCE, bank);
        }
        Radezuvi_EnableSingleChannel(task, port);
        return task;
    }

    static uint32_t readPort(int typeCode, int port, int bank = 0) {
        ScopedTask task(portTask(RADEZUVI_OP_DI_PORT, typeCode, port, bank));
        uint32_t value = 0xDEADBEEF;
        EXPECT_EQ(Radezuvi_DI_ReadPort(task, &value), RADEZUVI_OK);
        return value;
    }

    static void writePort(int typeCode, int port, uint32_t value, int bank = 0) {
        ScopedTask task(portTask(RADEZUVI_OP_DO_PORT, typeCode, port, bank));
        EXPECT_EQ(Radezuvi_DO_WritePort(task, value), RADEZUVI_OK);
    }
};

TEST_F(SimulatedIo, InputPortsReadBackTheCardsOutputs) {
    writePort(120, 1, 0xA5);
    writePort(120, 2, 0x3C);
    EXPECT_EQ(readPort(120, 1), 0xA5u);
    EXPECT_EQ(readPort(120, 2), 0x3Cu);
    writePort(120, 1, 0x1FF); // an 8-line port keeps 8 bits
    EXPECT_EQ(readPort(120, 1), 0xFFu);
    EXPECT_EQ(readPort(120, 5), 0u); // never written
}

TEST_F(SimulatedIo, LinesAreBitsOfTheirPorts) {
    writePort(120, 1, 0);
    ScopedTask line(portTask(RADEZUVI_OP_DO_LINE, 120, 9)); // port 1, line 1
    EXPECT_EQ(Radezuvi_DO_WritePort(line, 1), RADEZUVI_OK);
    EXPECT_EQ(readPort(120, 1), 0x02u);
    ScopedTask input(portTask(RADEZUVI_OP_DI_LINE, 120, 9));
    uint32_t bit = 0;
    EXPECT_EQ(Radezuvi_DI_ReadPort(input, &bit), RADEZUVI_OK);
    EXPECT_EQ(bit, 1u);
    EXPECT_EQ(Radezuvi_DO_WritePort(line, 0), RADEZUVI_OK);
    EXPECT_EQ(readPort(120, 1), 0u);
}

TEST_F(SimulatedIo, PortBanksAreSeparate) {
    writePort(500, 0, 0x1234, 170); // isolated ports of the A110
    writePort(500, 0, 0x00FF, 171); // TTL ports
    EXPECT_EQ(readPort(500, 0, 170), 0x1234u);
    EXPECT_EQ(readPort(500, 0, 171), 0x00FFu);
}

TEST_F(SimulatedIo, AnalogOutputsStayWithinTheirRanges) {
    ScopedTask voltage(Radezuvi_CreateTask(RADEZUVI_OP_AO_VOLTAGE, 10, 0, 1));
    EXPECT_EQ(Radezuvi_AO_WriteChannel(voltage, 1), RADEZUVI_ERR_NO_CHANNEL);
    Radezuvi_EnableSingleChannel(voltage, 15);
    EXPECT_EQ(Radezuvi_AO_WriteChannel(voltage, 10), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_AO_WriteChannel(voltage, -10), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_AO_WriteChannel(voltage, 10.5), RADEZUVI_ERR_VALUE);

    ScopedTask current(Radezuvi_CreateTask(RADEZUVI_OP_AO_CURRENT, 20, 0, 1));
    Radezuvi_EnableSingleChannel(current, 0);
    Radezuvi_SetChannelPropertyEnum(current, 0, RADEZUVI_CHPROP_RANGE, 251); // 4-20 mA
    EXPECT_EQ(Radezuvi_AO_WriteChannel(current, 3.9), RADEZUVI_ERR_VALUE);
    EXPECT_EQ(Radezuvi_AO_WriteChannel(current, 20), RADEZUVI_OK);
    Radezuvi_SetChannelPropertyEnum(current, 0, RADEZUVI_CHPROP_RANGE, 252); // 5-25 mA
    EXPECT_EQ(Radezuvi_AO_WriteChannel(current, 25), RADEZUVI_OK);
}

TEST_F(SimulatedIo, FunctionGeneratorRefusesImpossibleWaves) {
    ScopedTask generator(Radezuvi_CreateTask(RADEZUVI_OP_AO_FUNCTION_GEN, 1530, 0, 1));
    Radezuvi_EnableSingleChannel(generator, 1);
    Radezuvi_SetChannelPropertyEnum(generator, 1, RADEZUVI_CHPROP_OUTPUT_KIND, 350);
    Radezuvi_SetChannelPropertyEnum(generator, 1, RADEZUVI_CHPROP_WAVEFORM, 401);
    const struct {
        double frequency, offset, amplitude, duty;
        int32_t result;
    } cases[] = {
        {0, 0, 1, 50, RADEZUVI_ERR_VALUE},     {250'001, 0, 1, 50, RADEZUVI_ERR_VALUE},
        {100, 5.5, 5, 50, RADEZUVI_ERR_VALUE}, {100, 0, -1, 50, RADEZUVI_ERR_VALUE},
        {100, 0, 1, 101, RADEZUVI_ERR_VALUE},  {250'000, 5, 5, 50, RADEZUVI_OK},
    };
    for (const auto& c : cases) {
        Radezuvi_SetChannelPropertyF64(generator, 1, RADEZUVI_CHPROP_FREQUENCY, c.frequency);
        Radezuvi_SetChannelPropertyF64(generator, 1, RADEZUVI_CHPROP_OFFSET, c.offset);
        Radezuvi_SetChannelPropertyF64(generator, 1, RADEZUVI_CHPROP_AMPLITUDE, c.amplitude);
        Radezuvi_SetChannelPropertyF64(generator, 1, RADEZUVI_CHPROP_DUTY_CYCLE, c.duty);
        EXPECT_EQ(Radezuvi_Start(generator), c.result)
            << c.frequency << " " << c.offset << " " << c.amplitude;
    }
    EXPECT_EQ(Radezuvi_Stop(generator), RADEZUVI_OK);
}

TEST_F(SimulatedIo, PolledInputsStayInTheirRange) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    Radezuvi_EnableSingleChannel(task, 0);
    Radezuvi_EnableSingleChannel(task, 1);
    Radezuvi_SetChannelPropertyEnum(task, 0, RADEZUVI_CHPROP_RANGE, 202);
    Radezuvi_SetChannelPropertyEnum(task, 1, RADEZUVI_CHPROP_RANGE, 202);
    for (int read = 0; read < 50; ++read) {
        double values[2] = {99, 99};
        ASSERT_EQ(Radezuvi_AI_ReadChannels(task, values), RADEZUVI_OK);
        EXPECT_LE(std::abs(values[0]), 5.0);
        EXPECT_GT(std::abs(values[1]), 3.5); // channel 1 is a square wave at 80 % of 5 V
        EXPECT_LE(std::abs(values[1]), 5.0);
    }
}

TEST_F(SimulatedIo, AnalogOutputIsLoopedBackToTheSameInputChannel) {
    ScopedTask output(Radezuvi_CreateTask(RADEZUVI_OP_AO_VOLTAGE, 1, 0, 1));
    Radezuvi_EnableSingleChannel(output, 0);
    ASSERT_EQ(Radezuvi_AO_WriteChannel(output, 1.0), RADEZUVI_OK);

    // One block spanning exactly one period of channel 0's 20 Hz sine: its mean is the offset.
    EventLog log;
    ScopedTask input(Radezuvi_CreateTask(RADEZUVI_OP_AI_ONE_SHOT, 1, 0, 1));
    Radezuvi_SetCallbackProc(input, EventLog::analogCallback, &log);
    Radezuvi_SetPropertyF64(input, RADEZUVI_PROP_AI_RATE, 20'000);
    Radezuvi_SetPropertyU4(input, RADEZUVI_PROP_BLOCK_SIZE, 1000);
    Radezuvi_EnableSingleChannel(input, 0);
    ASSERT_EQ(Radezuvi_Start(input), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return log.count(RADEZUVI_EVENT_DATA_LAST) == 1; }));
    Radezuvi_Stop(input);
    ASSERT_EQ(log.analog.size(), 1000u);
    const double mean = std::accumulate(log.analog.begin(), log.analog.end(), 0.0) / 1000;
    EXPECT_NEAR(mean, 1.0, 0.05);
}

TEST_F(SimulatedIo, ARunningGeneratorShowsItsWaveOnTheLoopedBackInput) {
    // 500 Hz sine, 2 V amplitude around 0.5 V, on AO0 of the virtual device.
    ScopedTask generator(Radezuvi_CreateTask(RADEZUVI_OP_AO_FUNCTION_GEN, 1, 0, 1));
    Radezuvi_EnableSingleChannel(generator, 0);
    Radezuvi_SetChannelPropertyEnum(generator, 0, RADEZUVI_CHPROP_WAVEFORM, 400);
    Radezuvi_SetChannelPropertyF64(generator, 0, RADEZUVI_CHPROP_FREQUENCY, 500);
    Radezuvi_SetChannelPropertyF64(generator, 0, RADEZUVI_CHPROP_AMPLITUDE, 2);
    Radezuvi_SetChannelPropertyF64(generator, 0, RADEZUVI_CHPROP_OFFSET, 0.5);
    ASSERT_EQ(Radezuvi_Start(generator), RADEZUVI_OK);

    // One block of 20 ms at 100 kS/s: ten generator periods on AI0, AI1 keeps its own square.
    auto block = [] {
        EventLog log;
        ScopedTask input(Radezuvi_CreateTask(RADEZUVI_OP_AI_ONE_SHOT, 1, 0, 1));
        Radezuvi_SetCallbackProc(input, EventLog::analogCallback, &log);
        Radezuvi_SetPropertyF64(input, RADEZUVI_PROP_AI_RATE, 100'000);
        Radezuvi_SetPropertyU4(input, RADEZUVI_PROP_BLOCK_SIZE, 2000);
        Radezuvi_EnableSingleChannel(input, 0);
        EXPECT_EQ(Radezuvi_Start(input), RADEZUVI_OK);
        EXPECT_TRUE(eventually([&] { return log.count(RADEZUVI_EVENT_DATA_LAST) == 1; }));
        Radezuvi_Stop(input);
        std::lock_guard lock(log.mutex);
        return log.analog;
    };
    const std::vector<double> shown = block();
    ASSERT_EQ(shown.size(), 2000u);
    EXPECT_NEAR(*std::max_element(shown.begin(), shown.end()), 2.5, 0.1);
    EXPECT_NEAR(*std::min_element(shown.begin(), shown.end()), -1.5, 0.1);
    int crossings = 0;
    for (std::size_t i = 1; i < shown.size(); ++i) {
        crossings += (shown[i - 1] < 0.5) != (shown[i] < 0.5) ? 1 : 0;
    }
    EXPECT_NEAR(crossings, 20, 4) << "two crossings of the offset per period";

    // A single-value read sees the wave too: within its span, not the own ±8 V sine.
    ScopedTask polling(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    Radezuvi_EnableSingleChannel(polling, 0);
    for (int read = 0; read < 20; ++read) {
        double value = 99;
        ASSERT_EQ(Radezuvi_AI_ReadChannels(polling, &value), RADEZUVI_OK);
        EXPECT_GE(value, -1.6);
        EXPECT_LE(value, 2.6);
    }

    // Stopped, the output rests at 0 V and the input shows its own 20 Hz sine again.
    ASSERT_EQ(Radezuvi_Stop(generator), RADEZUVI_OK);
    const std::vector<double> own = block();
    ASSERT_EQ(own.size(), 2000u);
    EXPECT_GT(*std::max_element(own.begin(), own.end()) - *std::min_element(own.begin(), own.end()), 4.0);
}

TEST_F(SimulatedIo, PatternBufferPlaysToThePort) {
    ScopedTask output(Radezuvi_CreateTask(RADEZUVI_OP_DO_ONE_SHOT_PATTERN, 60, 0, 1));
    Radezuvi_SetPropertyF64(output, RADEZUVI_PROP_DIO_RATE, 100'000);
    Radezuvi_SetPropertyU4(output, RADEZUVI_PROP_BLOCK_SIZE, 256);
    Radezuvi_EnableSingleChannel(output, 0);
    ASSERT_EQ(Radezuvi_Config(output), RADEZUVI_OK);
    Radezuvi_PatternDescriptor pattern{};
    ASSERT_EQ(Radezuvi_GetDOBuffer(output, &pattern, 10), RADEZUVI_OK);
    ASSERT_EQ(pattern.sampleCount, 256u);
    ASSERT_EQ(pattern.sampleWidth, 32u);
    auto* bytes = static_cast<unsigned char*>(pattern.data);
    for (uint32_t i = 0; i < pattern.sampleCount; ++i) {
        std::memset(bytes + i * 4, static_cast<int>(i % 256), 4);
    }
    ASSERT_EQ(Radezuvi_SetDOPattern(output, &pattern), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_Start(output), RADEZUVI_OK);
    // The last sample stays on the port once the pattern has played.
    EXPECT_TRUE(eventually([] { return readPort(60, 0) == 0xFFFFFFFFu; }));
    EXPECT_EQ(Radezuvi_Stop(output), RADEZUVI_OK);
}

TEST_F(SimulatedIo, PatternDescriptorsAreChecked) {
    ScopedTask output(Radezuvi_CreateTask(RADEZUVI_OP_DO_CONTINUOUS_PATTERN, 240, 0, 1));
    Radezuvi_SetPropertyF64(output, RADEZUVI_PROP_DIO_RATE, 1000);
    Radezuvi_EnableSingleChannel(output, 0);
    Radezuvi_SetChannelPropertyEnum(output, 0, RADEZUVI_CHPROP_PORT_WIDTH, 515);
    Radezuvi_PatternDescriptor own{};
    ASSERT_EQ(Radezuvi_GetDOBuffer(output, &own, 10), RADEZUVI_OK);
    EXPECT_EQ(own.sampleWidth, 16u);
    EXPECT_EQ(own.sampleCount, 1024u); // the default length
    Radezuvi_PatternDescriptor tooLong = own;
    tooLong.sampleCount = own.capacity + 1;
    EXPECT_EQ(Radezuvi_SetDOPattern(output, &tooLong), RADEZUVI_ERR_BUFFER);
    uint8_t mine[3] = {1, 2, 3};
    Radezuvi_PatternDescriptor badWidth{3, 3, mine, 12};
    EXPECT_EQ(Radezuvi_SetDOPattern(output, &badWidth), RADEZUVI_ERR_BUFFER);
    Radezuvi_PatternDescriptor foreign{3, 3, mine, 8};
    EXPECT_EQ(Radezuvi_SetDOPattern(output, &foreign), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_SetDOPattern(output, nullptr), RADEZUVI_ERR_ARGUMENT);
    EXPECT_EQ(Radezuvi_Start(output), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_SetDOPattern(output, &foreign), RADEZUVI_ERR_STATE);
}

TEST_F(SimulatedIo, CounterCountsWhileRunningAndHoldsAfterStop) {
    ScopedTask counter(Radezuvi_CreateTask(RADEZUVI_OP_TC_EVENT_COUNTER, 320, 0, 1));
    Radezuvi_EnableSingleChannel(counter, 0);
    uint32_t before = 1;
    EXPECT_EQ(Radezuvi_TC_GetValue(counter, &before), RADEZUVI_OK);
    EXPECT_EQ(before, 0u);
    ASSERT_EQ(Radezuvi_Start(counter), RADEZUVI_OK);
    uint32_t count = 0;
    ASSERT_TRUE(
        eventually([&] { return Radezuvi_TC_GetValue(counter, &count) == RADEZUVI_OK && count > 0; }));
    ASSERT_EQ(Radezuvi_Stop(counter), RADEZUVI_OK);
    uint32_t held = 0;
    uint32_t later = 0;
    Radezuvi_TC_GetValue(counter, &held);
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    Radezuvi_TC_GetValue(counter, &later);
    EXPECT_GE(held, count);
    EXPECT_EQ(later, held);
}

TEST_F(SimulatedIo, ContinuousDigitalInputFollowsTheOutputWithOneMovingBit) {
    writePort(240, 0, 0x0000F0F0);
    EventLog log;
    ScopedTask input(Radezuvi_CreateTask(RADEZUVI_OP_DI_CONTINUOUS, 240, 0, 1));
    Radezuvi_SetCallbackProc(input, EventLog::digitalCallback, &log);
    Radezuvi_SetPropertyF64(input, RADEZUVI_PROP_DIO_RATE, 20'000);
    Radezuvi_EnableSingleChannel(input, 0);
    Radezuvi_SetChannelPropertyEnum(input, 0, RADEZUVI_CHPROP_PORT_WIDTH, 515);
    ASSERT_EQ(Radezuvi_Start(input), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return log.count(RADEZUVI_EVENT_DATA) > 0; }));
    ASSERT_EQ(Radezuvi_Stop(input), RADEZUVI_OK);
    EXPECT_EQ(log.events.front(), RADEZUVI_EVENT_STARTED);
    EXPECT_EQ(log.widths.front(), 16u);
    ASSERT_EQ(log.digital.size() % 2000, 0u); // a tenth of the rate per block
    for (std::size_t i = 0; i < 32; ++i) {
        const uint32_t moving = log.digital[i] ^ 0xF0F0u;
        EXPECT_EQ(std::bitset<32>(moving).count(), 1u) << i;
        EXPECT_EQ(moving, 1u << (i % 16));
    }
}

} // namespace
} // namespace radezuvi::test
