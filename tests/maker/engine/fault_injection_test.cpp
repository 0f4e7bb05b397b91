// Faults injected by the machine profile, as the test panels meet them.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace radezuvi::test {
namespace {

class FaultInjection : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(profile_.use("card DAQ-E430 0\n"
                               "card PCI-D230 0 1\n"
                               "card PCI-A120 0\n"
                               "card PCI-A110 0\n"
                               "card PCI-T310 0\n"
                               "card PCI-M610 0\n"
                               "fault DAQ-E430 0 start-fails op 0x10003\n"
                               "fault PCI-D230 0 read-fails port 2\n"
                               "fault PCI-A120 0 write-returns 200\n"
                               "fault PCI-A110 0 property-refused 53\n"
                               "fault PCI-T310 0 create-fails op 0x100001\n"
                               "fault PCI-M610 0 read-fails\n"
                               "input PCI-D230 1 port 1 0x5A\n"
                               "no-loopback PCI-D230 1\n"
                               "card DAQ-E420 0\n"
                               "fault DAQ-E420 0 stop-fails op 0x20004 port 1\n"
                               "fault DAQ-E420 0 stop-fails op 0x10003\n"
                               "card PCI-D215 0\n"
                               "fault PCI-D215 0 enable-fails op 0x40001 port 1\n"),
                  0);
    }

    static Radezuvi_Handle withChannel(Radezuvi_Handle task, int channel) {
        Radezuvi_EnableSingleChannel(task, channel);
        return task;
    }

    doz::test::ScopedMachineProfile profile_;
};

TEST_F(FaultInjection, StartFailsOnlyForTheNamedOperation) {
    ScopedTask continuous(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1550, 0, 1), 0));
    Radezuvi_SetPropertyF64(continuous, RADEZUVI_PROP_AI_RATE, 10'000);
    EXPECT_EQ(Radezuvi_Start(continuous), RADEZUVI_ERR_FAULT);
    ScopedTask polling(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1550, 0, 1), 0));
    double value = 0;
    EXPECT_EQ(Radezuvi_AI_ReadChannels(polling, &value), RADEZUVI_OK);
}

TEST_F(FaultInjection, PortReadFailsOnlyOnTheNamedPortAndCard) {
    uint32_t value = 0;
    ScopedTask port2(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 0, 1), 2));
    EXPECT_EQ(Radezuvi_DI_ReadPort(port2, &value), RADEZUVI_ERR_FAULT);
    ScopedTask port1(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 0, 1), 1));
    EXPECT_EQ(Radezuvi_DI_ReadPort(port1, &value), RADEZUVI_OK);
    ScopedTask otherCard(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 1, 1), 2));
    EXPECT_EQ(Radezuvi_DI_ReadPort(otherCard, &value), RADEZUVI_OK);
}

TEST_F(FaultInjection, WriteReturnsTheGivenValue) {
    ScopedTask voltage(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AO_VOLTAGE, 10, 0, 1), 0));
    EXPECT_EQ(Radezuvi_AO_WriteChannel(voltage, 5), 200);
    ScopedTask current(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AO_CURRENT, 20, 0, 1), 0));
    EXPECT_EQ(Radezuvi_AO_WriteChannel(current, 12), 200);
}

TEST_F(FaultInjection, StopFailsLeavesTheTaskRunningUntilItEnds) {
    auto generatorOn = [](int channel) {
        const Radezuvi_Handle task =
            withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AO_FUNCTION_GEN, 1530, 0, 1), channel);
        Radezuvi_SetChannelPropertyEnum(task, channel, RADEZUVI_CHPROP_OUTPUT_KIND, 350);
        Radezuvi_SetChannelPropertyF64(task, channel, RADEZUVI_CHPROP_FREQUENCY, 100);
        return task;
    };
    ScopedTask refused(generatorOn(1));
    ASSERT_EQ(Radezuvi_Start(refused), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Stop(refused), RADEZUVI_ERR_FAULT);
    EXPECT_EQ(Radezuvi_Start(refused), RADEZUVI_ERR_STATE) << "the generator still runs";
    ScopedTask other(generatorOn(0));
    ASSERT_EQ(Radezuvi_Start(other), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Stop(other), RADEZUVI_OK) << "only port 1 refuses";

    // A continuous task whose stop is refused keeps calling back; ending it still ends it.
    EventLog log;
    const Radezuvi_Handle acquisition =
        withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, 0, 1), 0);
    Radezuvi_SetCallbackProc(acquisition, EventLog::analogCallback, &log);
    Radezuvi_SetPropertyF64(acquisition, RADEZUVI_PROP_AI_RATE, 10'000);
    Radezuvi_SetPropertyU4(acquisition, RADEZUVI_PROP_BLOCK_SIZE, 100);
    ASSERT_EQ(Radezuvi_Start(acquisition), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Stop(acquisition), RADEZUVI_ERR_FAULT);
    const int before = log.calls.load();
    EXPECT_TRUE(eventually([&] { return log.calls.load() > before + 2; }));
    EXPECT_EQ(Radezuvi_EndTask(acquisition), 1);
    const int ended = log.calls.load();
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(log.calls.load(), ended) << "no callback after the end";
}

TEST_F(FaultInjection, EnableFailsOnlyForTheNamedOperationAndPort) {
    ScopedTask input(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 110, 0, 1));
    EXPECT_EQ(Radezuvi_EnableSingleChannel(input, 1), RADEZUVI_ERR_FAULT);
    EXPECT_EQ(Radezuvi_SetChannelPropertyBool(input, 1, RADEZUVI_CHPROP_ENABLED, 1), RADEZUVI_ERR_FAULT);
    uint16_t* channels = nullptr;
    EXPECT_EQ(Radezuvi_GetEnabledChannelList(input, &channels), 0);
    Radezuvi_FreeChannelList(channels);
    EXPECT_EQ(Radezuvi_EnableSingleChannel(input, 0), RADEZUVI_OK);
    ScopedTask output(Radezuvi_CreateTask(RADEZUVI_OP_DO_PORT, 110, 0, 1));
    EXPECT_EQ(Radezuvi_EnableSingleChannel(output, 1), RADEZUVI_OK);
    ScopedTask deferred(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 110, 0, 0));
    EXPECT_EQ(Radezuvi_EnableSingleChannel(deferred, 1), RADEZUVI_ERR_FAULT)
        << "also when the card opens then";
}

TEST_F(FaultInjection, PropertyIsRefusedEvenBeforeTheCardOpens) {
    ScopedTask isolated(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 500, 0, 0));
    ASSERT_NE(isolated.get(), 0u);
    EXPECT_EQ(Radezuvi_SetPropertyEnum(isolated, RADEZUVI_PROP_INPUT_SOURCE, 170), RADEZUVI_ERR_FAULT);
}

TEST_F(FaultInjection, CreationFailsAtOnceOrAtTheFirstHardwareCall) {
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_TC_TIMER, 320, 0, 1), 0u);
    ScopedTask deferred(Radezuvi_CreateTask(RADEZUVI_OP_TC_TIMER, 320, 0, 0));
    ASSERT_NE(deferred.get(), 0u);
    EXPECT_EQ(Radezuvi_EnableSingleChannel(deferred, 0), RADEZUVI_ERR_FAULT);
    ScopedTask counter(Radezuvi_CreateTask(RADEZUVI_OP_TC_EVENT_COUNTER, 320, 0, 1));
    EXPECT_NE(counter.get(), 0u);
}

TEST_F(FaultInjection, ReadFailsForEveryReadWithoutOptions) {
    ScopedTask polling(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 330, 0, 1), 0));
    double value = 0;
    EXPECT_EQ(Radezuvi_AI_ReadChannels(polling, &value), RADEZUVI_ERR_FAULT);
    ScopedTask port(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 330, 0, 1), 0));
    uint32_t bits = 0;
    EXPECT_EQ(Radezuvi_DI_ReadPort(port, &bits), RADEZUVI_ERR_FAULT);
}

TEST_F(FaultInjection, PinnedInputsAndCardsWithoutLoopBackIgnoreOutputs) {
    for (const int port : {1, 3}) {
        ScopedTask output(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DO_PORT, 120, 1, 1), port));
        EXPECT_EQ(Radezuvi_DO_WritePort(output, 0xFF), RADEZUVI_OK);
    }
    uint32_t pinned = 0;
    ScopedTask input1(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 1, 1), 1));
    EXPECT_EQ(Radezuvi_DI_ReadPort(input1, &pinned), RADEZUVI_OK);
    EXPECT_EQ(pinned, 0x5Au);
    uint32_t open = 1;
    ScopedTask input3(withChannel(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 1, 1), 3));
    EXPECT_EQ(Radezuvi_DI_ReadPort(input3, &open), RADEZUVI_OK);
    EXPECT_EQ(open, 0u);
}

TEST_F(FaultInjection, MalformedProfileIsReportedAndTheRestInstalled) {
    ::testing::internal::CaptureStderr();
    const int problems = profile_.use("card PCI-M610 0\nthis is not a line\ncard PCI-T310 4\n");
    const std::string report = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(problems, 1);
    EXPECT_NE(report.find("test.machine:2: "), std::string::npos) << report;
    int count = 0;
    GetTaskDeviceListFN(-1, GetDeviceIndexFromNameFN("PCI-T310", 1), &count);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(GetInstalledCardIDFN(GetDeviceIndexFromNameFN("PCI-T310", 1), 0), 4);
}

TEST_F(FaultInjection, UnreadableProfileLeavesTheVirtualDeviceOnly) {
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(Radezuvi_UseMachineProfile("/nonexistent/rig.machine"), RADEZUVI_ERR_FILE);
    EXPECT_NE(::testing::internal::GetCapturedStderr().find("/nonexistent/rig.machine"), std::string::npos);
    int count = 0;
    GetTaskDeviceListFN(-1, GetDeviceIndexFromNameFN("DAQ-E430", 1), &count);
    EXPECT_EQ(count, 0);
    ScopedTask virtualTask(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    EXPECT_NE(virtualTask.get(), 0u);
}

} // namespace
} // namespace radezuvi::test
