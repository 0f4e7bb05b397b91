// Creating, configuring and ending tasks: what a card accepts, property checks, and handles that
// are harmless to end twice.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

namespace radezuvi::test {
namespace {

class TaskLifecycle : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0); }

    doz::test::ScopedMachineProfile profile_;
    doz::test::TempFolder folder_;
};

TEST_F(TaskLifecycle, CreationNeedsAKnownOperationOnACardThatOffersIt) {
    EXPECT_EQ(Radezuvi_CreateTask(0x10001, 1, 0, 1), 0u);                  // no such operation
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 15, 0, 1), 0u);  // no such card type
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 120, 0, 1), 0u); // a D230 has no analog input
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_TC_TIMER, 1, 0, 1), 0u);     // nor the virtual device a timer
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_DI_CONTINUOUS, 120, 0, 1), 0u); // only fast cards stream ports
    EXPECT_EQ(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 330, 2, 1), 0u); // M610 card 2 is not installed
    ScopedTask subType(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 340, 1, 1)); // an M610 sub-type
    EXPECT_NE(subType.get(), 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(subType, RADEZUVI_PROP_DEVICE_TYPE), 340);
    EXPECT_EQ(Radezuvi_GetPropertyI4(subType, RADEZUVI_PROP_DEVICE_INDEX), 1);
    EXPECT_EQ(Radezuvi_GetPropertyI4(subType, RADEZUVI_PROP_OPERATION), RADEZUVI_OP_AI_CONTINUOUS);
}

TEST_F(TaskLifecycle, DeferredOpeningFailsAtTheFirstHardwareCall) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 3, 0));
    ASSERT_NE(task.get(), 0u);
    EXPECT_EQ(Radezuvi_EnableSingleChannel(task, 0), RADEZUVI_ERR_NO_DEVICE);
    uint32_t value = 0;
    EXPECT_EQ(Radezuvi_DI_ReadPort(task, &value), RADEZUVI_ERR_NO_DEVICE);
}

TEST_F(TaskLifecycle, EndingIsHarmlessForZeroAndForEndedHandles) {
    EXPECT_EQ(Radezuvi_EndTask(0), 0);
    const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1);
    ASSERT_NE(task, 0u);
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
    EXPECT_EQ(Radezuvi_EndTask(task), 0);
    EXPECT_EQ(Radezuvi_EnableSingleChannel(task, 0), RADEZUVI_ERR_HANDLE);
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_HANDLE);
    EXPECT_EQ(Radezuvi_Stop(task), RADEZUVI_ERR_HANDLE);
    const Radezuvi_Handle next = Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1);
    EXPECT_NE(next, task); // a stale handle never names a newer task
    Radezuvi_EndTask(next);
}

TEST_F(TaskLifecycle, PropertiesAreCheckedAndKeptPerScope) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, 0, 1));
    EXPECT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_OPERATION, 0x10000), RADEZUVI_ERR_PROPERTY);
    EXPECT_EQ(Radezuvi_SetPropertyU4(task, 999, 1), RADEZUVI_ERR_PROPERTY);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, 999), RADEZUVI_ERR_PROPERTY);
    EXPECT_EQ(Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, 805), RADEZUVI_ERR_VALUE);
    EXPECT_EQ(Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_CLOCK_SOURCE, 804), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, -1), RADEZUVI_ERR_VALUE);
    EXPECT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 25000.5), RADEZUVI_OK);
    double rate = 0;
    EXPECT_EQ(Radezuvi_GetPropertyF64(task, RADEZUVI_PROP_AI_RATE, &rate), RADEZUVI_OK);
    EXPECT_EQ(rate, 25000.5);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_TIMER_INTERVAL), 1000); // default
    EXPECT_EQ(Radezuvi_SetChannelPropertyEnum(task, 0, RADEZUVI_CHPROP_RANGE, 217), RADEZUVI_ERR_VALUE);
    EXPECT_EQ(Radezuvi_SetChannelPropertyEnum(task, 4, RADEZUVI_CHPROP_RANGE, 201), RADEZUVI_ERR_CHANNEL);
    EXPECT_EQ(Radezuvi_SetChannelPropertyEnum(task, 3, RADEZUVI_CHPROP_RANGE, 205), RADEZUVI_OK);
    int32_t enabled = -1;
    EXPECT_EQ(Radezuvi_GetChannelPropertyBool(task, 3, RADEZUVI_CHPROP_ENABLED, &enabled), RADEZUVI_OK);
    EXPECT_EQ(enabled, 0);
    EXPECT_EQ(Radezuvi_SetChannelPropertyBool(task, 3, RADEZUVI_CHPROP_ENABLED, 1), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_GetChannelPropertyBool(task, 3, RADEZUVI_CHPROP_ENABLED, &enabled), RADEZUVI_OK);
    EXPECT_EQ(enabled, 1);
}

TEST_F(TaskLifecycle, EnabledChannelsKeepTheirOrderAndIgnoreRepeats) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1550, 0, 1));
    for (const int channel : {5, 0, 63, 0}) {
        EXPECT_EQ(Radezuvi_EnableSingleChannel(task, channel), RADEZUVI_OK);
    }
    EXPECT_EQ(Radezuvi_EnableSingleChannel(task, 64), RADEZUVI_ERR_CHANNEL);
    EXPECT_EQ(Radezuvi_EnableSingleChannel(task, -1), RADEZUVI_ERR_CHANNEL);
    EXPECT_EQ(Radezuvi_SetChannelPropertyBool(task, 0, RADEZUVI_CHPROP_ENABLED, 0), RADEZUVI_OK);
    uint16_t* list = nullptr;
    ASSERT_EQ(Radezuvi_GetEnabledChannelList(task, &list), 2);
    EXPECT_EQ(list[0], 5);
    EXPECT_EQ(list[1], 63);
    Radezuvi_FreeChannelList(list);

    ScopedTask empty(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1550, 0, 1));
    list = reinterpret_cast<uint16_t*>(&list);
    EXPECT_EQ(Radezuvi_GetEnabledChannelList(empty, &list), 0);
    EXPECT_EQ(list, nullptr);
}

TEST_F(TaskLifecycle, StartChecksRateAgainstTheCard) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1550, 0, 1)); // E430, multiplexed 3 MS/s
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_NO_CHANNEL);
    Radezuvi_EnableSingleChannel(task, 0);
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_RATE); // no rate set
    Radezuvi_EnableSingleChannel(task, 1);
    Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 2'000'000);
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_RATE); // two channels share the converter
    Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 1'500'000);
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_STATE);
    EXPECT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 1000), RADEZUVI_ERR_STATE);
    EXPECT_EQ(Radezuvi_Stop(task), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Stop(task), RADEZUVI_OK);

    ScopedTask simultaneous(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, 0, 1)); // E420, 2 MS/s each
    for (int channel = 0; channel < 4; ++channel) {
        Radezuvi_EnableSingleChannel(simultaneous, channel);
    }
    Radezuvi_SetPropertyF64(simultaneous, RADEZUVI_PROP_AI_RATE, 2'000'001);
    EXPECT_EQ(Radezuvi_Start(simultaneous), RADEZUVI_ERR_RATE);
    Radezuvi_SetPropertyF64(simultaneous, RADEZUVI_PROP_AI_RATE, 2'000'000);
    EXPECT_EQ(Radezuvi_Config(simultaneous), RADEZUVI_OK);
}

TEST_F(TaskLifecycle, RatesWhoseBlockPeriodCannotBeTimedAreRefused) {
    struct Case {
        int operation;
        int typeCode;
        int property;
    };
    for (const Case c : {Case{RADEZUVI_OP_AI_CONTINUOUS, 1, RADEZUVI_PROP_AI_RATE},
                         Case{RADEZUVI_OP_DI_CONTINUOUS, 60, RADEZUVI_PROP_DIO_RATE},
                         Case{RADEZUVI_OP_DO_CONTINUOUS_PATTERN, 60, RADEZUVI_PROP_DIO_RATE}}) {
        for (const double rate : {1e-12, 1e-300, 4.9e-324}) {
            EventLog log;
            ScopedTask task(Radezuvi_CreateTask(c.operation, c.typeCode, 0, 1));
            Radezuvi_EnableSingleChannel(task, 0);
            Radezuvi_SetCallbackProc(task, EventLog::analogCallback, &log);
            ASSERT_EQ(Radezuvi_SetPropertyF64(task, c.property, rate), RADEZUVI_OK);
            EXPECT_EQ(Radezuvi_Config(task), RADEZUVI_ERR_RATE) << c.operation << " " << rate;
            EXPECT_EQ(Radezuvi_Start(task), RADEZUVI_ERR_RATE) << c.operation << " " << rate;
            EXPECT_EQ(log.calls.load(), 0);

            // A task file holding the rate loads (it is a valid setting) and is refused alike.
            const std::string path = folder_.file("slow.tsk").string();
            ASSERT_EQ(Radezuvi_SaveTask(task, path.c_str()), RADEZUVI_OK);
            ScopedTask loaded(Radezuvi_LoadTask(path.c_str(), 1));
            ASSERT_NE(loaded.get(), 0u) << rate;
            EXPECT_EQ(Radezuvi_Start(loaded), RADEZUVI_ERR_RATE);
        }
    }
    // Slow but timeable: one sample a second in blocks of one.
    ScopedTask slow(Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1, 0, 1));
    Radezuvi_EnableSingleChannel(slow, 0);
    Radezuvi_SetPropertyF64(slow, RADEZUVI_PROP_AI_RATE, 1);
    EXPECT_EQ(Radezuvi_Start(slow), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_Stop(slow), RADEZUVI_OK);
}

TEST_F(TaskLifecycle, OperationsOutsideTheTaskKindAreRefused) {
    ScopedTask ai(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    uint32_t value = 0;
    Radezuvi_PatternDescriptor pattern{};
    EXPECT_EQ(Radezuvi_DI_ReadPort(ai, &value), RADEZUVI_ERR_OPERATION);
    EXPECT_EQ(Radezuvi_DO_WritePort(ai, 1), RADEZUVI_ERR_OPERATION);
    EXPECT_EQ(Radezuvi_AO_WriteChannel(ai, 1), RADEZUVI_ERR_OPERATION);
    EXPECT_EQ(Radezuvi_TC_GetValue(ai, &value), RADEZUVI_ERR_OPERATION);
    EXPECT_EQ(Radezuvi_GetDOBuffer(ai, &pattern, 10), RADEZUVI_ERR_OPERATION);
    EXPECT_EQ(Radezuvi_AI_ReadChannels(ai, nullptr), RADEZUVI_ERR_ARGUMENT);
    double values[1];
    EXPECT_EQ(Radezuvi_AI_ReadChannels(ai, values), RADEZUVI_ERR_NO_CHANNEL);
}

} // namespace
} // namespace radezuvi::test
