// Callbacks on the engine's threads: Stop and EndTask return only after the last callback of
// the task has returned, a task may stop or end itself from its callback, and many tasks run
// at once.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace radezuvi::test {
namespace {

using namespace std::chrono_literals;

// A callback that lingers, so Stop and End arrive while it runs.
struct SlowConsumer {
    std::atomic<int> inside{0};
    std::atomic<int> calls{0};
    std::atomic<int> overlaps{0};
    Radezuvi_Handle selfStop = 0; // stop this task from the callback
    Radezuvi_Handle selfEnd = 0;  // end this task from the callback

    static int32_t callback(int32_t, int32_t eventId, void* user, void*) {
        auto& consumer = *static_cast<SlowConsumer*>(user);
        if (consumer.inside.fetch_add(1) != 0) {
            ++consumer.overlaps;
        }
        ++consumer.calls;
        std::this_thread::sleep_for(20ms);
        if (eventId == RADEZUVI_EVENT_DATA && consumer.selfStop != 0) {
            Radezuvi_Stop(consumer.selfStop);
        }
        if (eventId == RADEZUVI_EVENT_DATA && consumer.selfEnd != 0) {
            Radezuvi_EndTask(consumer.selfEnd);
        }
        --consumer.inside;
        return 1;
    }
};

class Concurrency : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0); }

    doz::test::ScopedMachineProfile profile_;

    // Continuous acquisition on the virtual device, 1000 blocks a second: faster than the
    // slow consumer takes them.
    static Radezuvi_Handle fastAcquisition(Radezuvi_CallbackProc callback, void* user) {
        const Radezuvi_Handle task = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1, 0, 1);
        Radezuvi_SetCallbackProc(task, callback, user);
        Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 100'000);
        Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, 100);
        Radezuvi_EnableSingleChannel(task, 0);
        return task;
    }
};

TEST_F(Concurrency, StopReturnsAfterTheCallbackInFlight) {
    SlowConsumer consumer;
    ScopedTask task(fastAcquisition(SlowConsumer::callback, &consumer));
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return consumer.inside.load() == 1 && consumer.calls.load() > 1; }));
    ASSERT_EQ(Radezuvi_Stop(task), RADEZUVI_OK);
    EXPECT_EQ(consumer.inside.load(), 0);
    const int calls = consumer.calls.load();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(consumer.calls.load(), calls);
    EXPECT_EQ(consumer.overlaps.load(), 0);
}

TEST_F(Concurrency, EndingARunningTaskStopsItFirst) {
    SlowConsumer consumer;
    const Radezuvi_Handle task = fastAcquisition(SlowConsumer::callback, &consumer);
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return consumer.inside.load() == 1; }));
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
    EXPECT_EQ(consumer.inside.load(), 0);
    const int calls = consumer.calls.load();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(consumer.calls.load(), calls);
    EXPECT_EQ(Radezuvi_EndTask(task), 0);
}

TEST_F(Concurrency, ATaskMayStopItselfFromItsCallbackAndStartAgain) {
    SlowConsumer consumer;
    ScopedTask task(fastAcquisition(SlowConsumer::callback, &consumer));
    consumer.selfStop = task;
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return consumer.calls.load() >= 2 && consumer.inside.load() == 0; }));
    const int calls = consumer.calls.load();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(consumer.calls.load(), calls); // the started event and the block that stopped it
    consumer.selfStop = 0;
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return consumer.calls.load() > calls + 1; }));
    EXPECT_EQ(Radezuvi_Stop(task), RADEZUVI_OK);
}

TEST_F(Concurrency, ATaskMayEndItselfFromItsCallback) {
    SlowConsumer consumer;
    const Radezuvi_Handle task = fastAcquisition(SlowConsumer::callback, &consumer);
    consumer.selfEnd = task;
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    ASSERT_TRUE(eventually(
        [&] { return Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION) == RADEZUVI_ERR_HANDLE; }));
    ASSERT_TRUE(eventually([&] { return consumer.inside.load() == 0; }));
    const int calls = consumer.calls.load();
    std::this_thread::sleep_for(50ms);
    EXPECT_EQ(consumer.calls.load(), calls);
    EXPECT_EQ(Radezuvi_EndTask(task), 0);
}

TEST_F(Concurrency, TwoThreadsEndingOneTaskReleaseItOnce) {
    SlowConsumer consumer;
    for (int round = 0; round < 10; ++round) {
        const Radezuvi_Handle task = fastAcquisition(SlowConsumer::callback, &consumer);
        ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
        std::atomic<int> released{0};
        std::thread other([&] { released += Radezuvi_EndTask(task); });
        released += Radezuvi_EndTask(task);
        other.join();
        EXPECT_EQ(released.load(), 1);
        EXPECT_EQ(consumer.inside.load(), 0);
    }
}

TEST_F(Concurrency, TimerTicksAtItsIntervalUntilStopped) {
    EventLog log;
    ScopedTask timer(Radezuvi_CreateTask(RADEZUVI_OP_TC_TIMER, 320, 0, 1));
    Radezuvi_SetCallbackProc(timer, EventLog::analogCallback, &log);
    Radezuvi_EnableSingleChannel(timer, 0);
    ASSERT_EQ(Radezuvi_SetPropertyU4(timer, RADEZUVI_PROP_TIMER_INTERVAL, 1), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_Start(timer), RADEZUVI_OK);
    ASSERT_TRUE(eventually([&] { return log.count(RADEZUVI_EVENT_TIMER) >= 5; }));
    ASSERT_EQ(Radezuvi_Stop(timer), RADEZUVI_OK);
    const int ticks = log.count(RADEZUVI_EVENT_TIMER);
    std::this_thread::sleep_for(20ms);
    EXPECT_EQ(log.count(RADEZUVI_EVENT_TIMER), ticks);
    EXPECT_EQ(log.events.front(), RADEZUVI_EVENT_STARTED);
    for (std::size_t i = 1; i < log.ticks.size(); ++i) {
        EXPECT_GT(log.ticks[i], log.ticks[i - 1]);
    }
    EXPECT_EQ(log.ticks.front(), 1u);
}

TEST_F(Concurrency, ManyTasksRunAtOnce) {
    constexpr int kEach = 6;
    std::vector<EventLog> logs(4 * kEach);
    std::vector<Radezuvi_Handle> tasks;
    for (int i = 0; i < kEach; ++i) {
        const Radezuvi_Handle virtualAi = fastAcquisition(EventLog::analogCallback, &logs[tasks.size()]);
        tasks.push_back(virtualAi);

        const Radezuvi_Handle e420 = Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, 0, 1);
        Radezuvi_SetCallbackProc(e420, EventLog::analogCallback, &logs[tasks.size()]);
        Radezuvi_SetPropertyF64(e420, RADEZUVI_PROP_AI_RATE, 50'000);
        Radezuvi_SetPropertyU4(e420, RADEZUVI_PROP_BLOCK_SIZE, 500);
        Radezuvi_EnableSingleChannel(e420, i % 4);
        Radezuvi_EnableSingleChannel(e420, (i + 1) % 4);
        tasks.push_back(e420);

        const Radezuvi_Handle timer = Radezuvi_CreateTask(RADEZUVI_OP_TC_TIMER, 320, 0, 1);
        Radezuvi_SetCallbackProc(timer, EventLog::analogCallback, &logs[tasks.size()]);
        Radezuvi_EnableSingleChannel(timer, i);
        Radezuvi_SetPropertyU4(timer, RADEZUVI_PROP_TIMER_INTERVAL, 2);
        tasks.push_back(timer);

        const Radezuvi_Handle di = Radezuvi_CreateTask(RADEZUVI_OP_DI_CONTINUOUS, 60, 0, 1);
        Radezuvi_SetCallbackProc(di, EventLog::digitalCallback, &logs[tasks.size()]);
        Radezuvi_SetPropertyF64(di, RADEZUVI_PROP_DIO_RATE, 2000);
        Radezuvi_SetPropertyU4(di, RADEZUVI_PROP_BLOCK_SIZE, 20);
        Radezuvi_EnableSingleChannel(di, 0);
        tasks.push_back(di);
    }
    for (const Radezuvi_Handle task : tasks) {
        ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    }
    for (std::size_t i = 0; i < tasks.size(); ++i) {
        EXPECT_TRUE(eventually([&] {
            return logs[i].count(RADEZUVI_EVENT_DATA) + logs[i].count(RADEZUVI_EVENT_TIMER) >= 3;
        })) << i;
    }
    // End them from several threads at once.
    std::vector<std::thread> enders;
    std::atomic<int> released{0};
    for (int t = 0; t < 4; ++t) {
        enders.emplace_back([&, t] {
            for (std::size_t i = static_cast<std::size_t>(t); i < tasks.size(); i += 4) {
                released += Radezuvi_EndTask(tasks[i]);
            }
        });
    }
    for (auto& ender : enders) {
        ender.join();
    }
    EXPECT_EQ(released.load(), static_cast<int>(tasks.size()));
    for (std::size_t i = 1; i < tasks.size(); i += 4) {
        for (const auto channels : logs[i].channelCounts) {
            EXPECT_EQ(channels, 2u);
        }
        EXPECT_EQ(logs[i].analog.size() % 1000, 0u); // 500 scans of two channels per block
    }
}

} // namespace
} // namespace radezuvi::test
