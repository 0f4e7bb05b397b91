// The task slot and the callback relay, against the real engine and with records made here.
#include "panel_fixture.h"

#include "revorur/testpanels/analog_relay.h"
#include "revorur/testpanels/task_slot.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

using namespace doz::testpanels;
using namespace doz::testpanels::test;

namespace {

constexpr TaskTarget kVirtual{1, 0};

bool alive(Radezuvi_Handle task) {
    return Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION) != RADEZUVI_ERR_HANDLE;
}

struct RelayProbe {
    std::shared_ptr<doz::controls::AnalogFeed> feed = std::make_shared<doz::controls::AnalogFeed>();
    std::vector<AnalogBlockSummary> shown;
    AnalogRelay relay{feed, [this](const AnalogBlockSummary& s) { shown.push_back(s); }};
};

std::int32_t deliver(AnalogRelay& relay, Radezuvi_Handle task, std::int32_t event,
                     std::vector<double>& samples, std::uint32_t channels = 1) {
    Radezuvi_AiRecord record{samples.data(), static_cast<std::uint32_t>(samples.size()), channels};
    return CallbackRelay::Callback(static_cast<std::int32_t>(task), event, &relay, &record);
}

} // namespace

TEST(TaskSlot, OwnsOneTaskEndingTheOldOnCreateResetMoveAndDestruction) {
    LiveTasks live;
    Radezuvi_Handle first = 0;
    Radezuvi_Handle second = 0;
    {
        TaskSlot slot;
        EXPECT_FALSE(slot);
        EXPECT_FALSE(slot.reset()) << "an empty slot ends nothing";
        first = slot.create(RADEZUVI_OP_AI_POLLING, kVirtual, 1);
        ASSERT_NE(first, 0u);
        second = slot.create(RADEZUVI_OP_AI_POLLING, kVirtual, 1);
        ASSERT_NE(second, 0u);
        EXPECT_FALSE(alive(first)) << "a new create ends the old task first";
        EXPECT_TRUE(alive(second));

        TaskSlot moved(std::move(slot));
        EXPECT_FALSE(slot);
        EXPECT_EQ(moved.get(), second);
        TaskSlot assigned;
        assigned.create(RADEZUVI_OP_AI_POLLING, kVirtual, 1);
        const Radezuvi_Handle replaced = assigned.get();
        assigned = std::move(moved);
        EXPECT_FALSE(alive(replaced)) << "assigning over a slot ends its task";
        EXPECT_EQ(assigned.get(), second);
        EXPECT_EQ(live.count(), 1);
    }
    EXPECT_FALSE(alive(second)) << "destruction ends the task";
    EXPECT_EQ(live.count(), 0);

    TaskSlot refused;
    EXPECT_EQ(refused.create(RADEZUVI_OP_AI_POLLING, TaskTarget{1530, 7}, 1), 0u)
        << "card 7 is not installed";
    EXPECT_FALSE(refused);
    TaskSlot running;
    running.create(RADEZUVI_OP_AI_POLLING, kVirtual, 1);
    EXPECT_TRUE(running.reset());
    EXPECT_FALSE(running);
}

TEST(CallbackRelay, AnswersTheEngineEventsAndNothingElse) {
    for (const int event : {2024, 2028, 2029, 2030, 2031})
        EXPECT_EQ(CallbackRelay::AnswerOf(event), 1) << event;
    for (const int event : {0, 2023, 2025, 2027, 2032, -1})
        EXPECT_EQ(CallbackRelay::AnswerOf(event), 0) << event;

    RelayProbe probe;
    std::vector<double> block(100, 1.0);
    // A relay that follows no task answers too, but draws nothing.
    EXPECT_EQ(deliver(probe.relay, 5, RADEZUVI_EVENT_DATA, block), 1);
    EXPECT_EQ(CallbackRelay::Callback(5, 2027, &probe.relay, nullptr), 0);
    EXPECT_EQ(CallbackRelay::Callback(5, RADEZUVI_EVENT_STARTED, &probe.relay, nullptr), 1);
    EXPECT_EQ(probe.feed->blocksPlotted(), 0u);
}

TEST(CallbackRelay, DrawsOnlyBlocksOfTheFollowedTaskAndDropsLateUpdates) {
    TaskSlot task;
    const Radezuvi_Handle followed = task.create(RADEZUVI_OP_AI_CONTINUOUS, kVirtual, 1);
    ASSERT_NE(followed, 0u);
    RelayProbe probe;
    ASSERT_EQ(probe.relay.attach(followed), RADEZUVI_OK);

    std::vector<double> block{-2.0, 0.5, 3.0};
    EXPECT_EQ(deliver(probe.relay, followed + 1000, RADEZUVI_EVENT_DATA, block), 1);
    EXPECT_EQ(probe.feed->blocksPlotted(), 0u) << "another task's block is not drawn";

    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA, block), 1);
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA_OVERRUN, block), 1);
    EXPECT_EQ(probe.feed->blocksPlotted(), 2u);
    EXPECT_EQ(probe.relay.updatesPosted(), 1u) << "one update is posted while one is pending";
    pump(20);
    ASSERT_EQ(probe.shown.size(), 1u);
    EXPECT_EQ(probe.shown[0].task, followed);
    EXPECT_EQ(probe.shown[0].samples, 3u);
    EXPECT_EQ(probe.shown[0].minimum, -2.0);
    EXPECT_EQ(probe.shown[0].maximum, 3.0);
    EXPECT_EQ(probe.shown[0].blocks, 2u);
    EXPECT_EQ(probe.shown[0].overruns, 1u);

    // A block taken just before the task was given up: its queued update shows nothing.
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA, block), 1);
    probe.relay.forget();
    pump(20);
    EXPECT_EQ(probe.shown.size(), 1u);
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA, block), 1);
    EXPECT_EQ(probe.feed->blocksPlotted(), 3u) << "blocks after forget are not drawn";
}

TEST(CallbackRelay, BlocksThatCannotBeDrawnAreStillAnswered) {
    RelayProbe probe;
    TaskSlot task;
    const Radezuvi_Handle followed = task.create(RADEZUVI_OP_AI_CONTINUOUS, kVirtual, 1);
    probe.relay.attach(followed);
    std::vector<double> block(64, 0.0);
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA, block, 17), 1) << "more than 16 channels";
    std::vector<double> empty;
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA_LAST, empty), 1);
    Radezuvi_AiRecord nullData{nullptr, 10, 1};
    EXPECT_EQ(CallbackRelay::Callback(static_cast<std::int32_t>(followed), RADEZUVI_EVENT_DATA, &probe.relay,
                                      &nullData),
              1);
    EXPECT_EQ(CallbackRelay::Callback(static_cast<std::int32_t>(followed), RADEZUVI_EVENT_DATA, &probe.relay,
                                      nullptr),
              1);
    EXPECT_EQ(deliver(probe.relay, followed, RADEZUVI_EVENT_DATA, block, 16), 1);
    EXPECT_EQ(probe.feed->blocksPlotted(), 1u) << "only the 16-channel block is drawn";
}

TEST(CallbackRelay, TakesEngineBlocksOnTheEngineThreadWithoutTheUserInterfaceThread) {
    TaskSlot task;
    const Radezuvi_Handle handle = task.create(RADEZUVI_OP_AI_CONTINUOUS, kVirtual, 1);
    RelayProbe probe;
    probe.relay.attach(handle);
    Radezuvi_SetPropertyF64(handle, RADEZUVI_PROP_AI_RATE, 100000);
    Radezuvi_SetPropertyU4(handle, RADEZUVI_PROP_BLOCK_SIZE, 1000);
    Radezuvi_EnableSingleChannel(handle, 0);
    ASSERT_EQ(Radezuvi_Start(handle), RADEZUVI_OK);
    // The user-interface thread does not run meanwhile: the callbacks must not wait on it.
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    EXPECT_EQ(Radezuvi_Stop(handle), RADEZUVI_OK) << "Stop returns while the update is still queued";
    EXPECT_GE(probe.feed->blocksPlotted(), 5u);
    EXPECT_EQ(probe.relay.updatesPosted(), 1u);
    pump(20);
    ASSERT_EQ(probe.shown.size(), 1u);
    EXPECT_EQ(probe.shown[0].samples, 1000u);
    EXPECT_GE(probe.shown[0].blocks, 5u);
}
