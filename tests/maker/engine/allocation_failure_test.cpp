// Every C function walked through each allocation it makes: whichever allocation fails, the call
// returns its documented failure (no exception leaves the library), and once allocations succeed
// again the same call works, so a failed call leaves the engine usable.
#include "allocation_failure.h"
#include "engine_test_support.h"

#include "tests/support/files.h"
#include "tests/support/machine_profile.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace radezuvi::test {
namespace {

using Result = std::int64_t;

struct EntryPoint {
    EntryPoint(std::string name, std::function<Radezuvi_Handle()> prepare,
               std::function<Result(Radezuvi_Handle)> call, Result failure = RADEZUVI_ERR_RESOURCE,
               std::function<void(Result)> release = {}, std::function<void()> whenFailed = {})
        : name(std::move(name)), prepare(std::move(prepare)), call(std::move(call)), failure(failure),
          release(std::move(release)), whenFailed(std::move(whenFailed)) {}

    std::string name;
    // A fresh task for the call, made with every allocation allowed; none when empty.
    std::function<Radezuvi_Handle()> prepare;
    std::function<Result(Radezuvi_Handle)> call;
    // What the call returns when one of its allocations fails.
    Result failure;
    // Undoes a call that did not fail (ends the task it made, frees the list it returned).
    std::function<void(Result)> release;
    // Checks what a failed call left behind.
    std::function<void()> whenFailed;
};

// The number of allocations the call made when none failed; -1 when it never completed.
int walkAllocations(const EntryPoint& entry) {
    for (int n = 1; n < 100000; ++n) {
        const Radezuvi_Handle task = entry.prepare ? entry.prepare() : 0;
        failAllocation(n);
        Result result = entry.failure;
        try {
            result = entry.call(task);
        } catch (...) {
            allocationFailed();
            ADD_FAILURE() << entry.name << ": an exception left the library when allocation " << n
                          << " failed";
            Radezuvi_EndTask(task);
            return -1;
        }
        const bool failed = allocationFailed();
        if (failed) {
            EXPECT_EQ(result, entry.failure) << entry.name << " when allocation " << n << " failed";
            if (entry.whenFailed)
                entry.whenFailed();
        } else {
            EXPECT_NE(result, entry.failure) << entry.name << " with every allocation allowed";
        }
        if (result != entry.failure && entry.release)
            entry.release(result);
        Radezuvi_EndTask(task);
        if (!failed)
            return n - 1;
    }
    ADD_FAILURE() << entry.name << " never completed";
    return -1;
}

Radezuvi_Handle task(int32_t operation, int32_t typeCode, std::vector<int32_t> channels = {0}) {
    const Radezuvi_Handle handle = Radezuvi_CreateTask(operation, typeCode, 0, 1);
    for (const int32_t channel : channels)
        Radezuvi_EnableSingleChannel(handle, channel);
    return handle;
}

std::function<Radezuvi_Handle()> fresh(int32_t operation, int32_t typeCode,
                                       std::vector<int32_t> channels = {0}) {
    return [=] { return task(operation, typeCode, channels); };
}

constexpr int32_t VirtualDevice = 1;
constexpr int32_t PatternCard = 60;
constexpr int32_t CounterCard = 320;

class AllocationFailure : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0);
        ScopedTask saved(task(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice, {0, 1}));
        Radezuvi_SetTaskDescription(saved, "Two channels of the virtual device");
        ASSERT_EQ(Radezuvi_SaveTask(saved, taskFile_.c_str()), RADEZUVI_OK);
        list_ = CodeGenLoadFromFileFN(taskFile_.c_str());
        ASSERT_NE(list_, nullptr);
    }
    void TearDown() override { FreeCodeGenListFN(list_); }

    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder_.path()), {}));
    }

    static void endTask(Result handle) { Radezuvi_EndTask(static_cast<Radezuvi_Handle>(handle)); }

    std::vector<EntryPoint> taskLifetime() const {
        return {
            {"Radezuvi_CreateTask",
             {},
             [](Radezuvi_Handle) -> Result {
                 return Radezuvi_CreateTask(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice, 0, 1);
             },
             0,
             endTask},
            {"Radezuvi_LoadTask",
             {},
             [this](Radezuvi_Handle) -> Result { return Radezuvi_LoadTask(taskFile_.c_str(), 1); },
             0,
             endTask},
            {"Radezuvi_SaveTask",
             [this] {
                 doz::test::WriteFile(savedFile_, "old");
                 return task(RADEZUVI_OP_AI_POLLING, VirtualDevice);
             },
             [this](Radezuvi_Handle t) -> Result { return Radezuvi_SaveTask(t, savedFile_.c_str()); },
             RADEZUVI_ERR_RESOURCE,
             {},
             [this] {
                 EXPECT_EQ(doz::test::ReadFile(savedFile_), "old") << "a failed save replaces nothing";
                 EXPECT_EQ(filesInFolder(), 2u) << "the task file, the saved file and no temporary one";
             }},
            {"Radezuvi_SetTaskDescription", fresh(RADEZUVI_OP_AI_POLLING, VirtualDevice),
             [this](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetTaskDescription(t, longDescription_.c_str());
             }},
            {"Radezuvi_GetTaskDescription", fresh(RADEZUVI_OP_AI_POLLING, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 char text[64];
                 return Radezuvi_GetTaskDescription(t, text, sizeof text);
             }},
            {"Radezuvi_EndTask", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 Radezuvi_Start(t);
                 return Radezuvi_EndTask(t);
             },
             0},
        };
    }

    static std::vector<EntryPoint> settings() {
        return {
            {"Radezuvi_EnableSingleChannel", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice, {}),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_EnableSingleChannel(t, 1); }},
            {"Radezuvi_SetPropertyEnum", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetPropertyEnum(t, RADEZUVI_PROP_CLOCK_SOURCE, 804);
             }},
            {"Radezuvi_SetPropertyU4", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetPropertyU4(t, RADEZUVI_PROP_BLOCK_SIZE, 500);
             }},
            {"Radezuvi_SetPropertyF64", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetPropertyF64(t, RADEZUVI_PROP_AI_RATE, 1000);
             }},
            {"Radezuvi_GetPropertyI4", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_GetPropertyI4(t, RADEZUVI_PROP_OPERATION); }},
            {"Radezuvi_GetPropertyF64", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 double rate = 0;
                 return Radezuvi_GetPropertyF64(t, RADEZUVI_PROP_AI_RATE, &rate);
             }},
            {"Radezuvi_SetChannelPropertyEnum", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetChannelPropertyEnum(t, 0, RADEZUVI_CHPROP_RANGE, 201);
             }},
            {"Radezuvi_SetChannelPropertyBool", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetChannelPropertyBool(t, 1, RADEZUVI_CHPROP_ENABLED, 1);
             }},
            {"Radezuvi_SetChannelPropertyF64", fresh(RADEZUVI_OP_AO_FUNCTION_GEN, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetChannelPropertyF64(t, 0, RADEZUVI_CHPROP_FREQUENCY, 50);
             }},
            {"Radezuvi_GetChannelPropertyBool", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 int32_t enabled = 0;
                 return Radezuvi_GetChannelPropertyBool(t, 0, RADEZUVI_CHPROP_ENABLED, &enabled);
             }},
            {"Radezuvi_GetChannelPropertyF64", fresh(RADEZUVI_OP_AO_FUNCTION_GEN, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 double frequency = 0;
                 return Radezuvi_GetChannelPropertyF64(t, 0, RADEZUVI_CHPROP_FREQUENCY, &frequency);
             }},
            {"Radezuvi_GetEnabledChannelList", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice, {0, 1}),
             [](Radezuvi_Handle t) -> Result {
                 uint16_t* list = nullptr;
                 const int32_t count = Radezuvi_GetEnabledChannelList(t, &list);
                 Radezuvi_FreeChannelList(list);
                 return count;
             }},
            {"Radezuvi_SetCallbackProc", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 return Radezuvi_SetCallbackProc(t, EventLog::analogCallback, nullptr);
             }},
        };
    }

    static std::vector<EntryPoint> running() {
        return {
            {"Radezuvi_Config", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_Config(t); }},
            {"Radezuvi_Start", fresh(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_Start(t); }},
            {"Radezuvi_Stop",
             [] {
                 const Radezuvi_Handle t = task(RADEZUVI_OP_AI_CONTINUOUS, VirtualDevice);
                 Radezuvi_Start(t);
                 return t;
             },
             [](Radezuvi_Handle t) -> Result { return Radezuvi_Stop(t); }},
            {"Radezuvi_AI_ReadChannels", fresh(RADEZUVI_OP_AI_POLLING, VirtualDevice, {0, 1}),
             [](Radezuvi_Handle t) -> Result {
                 double values[2];
                 return Radezuvi_AI_ReadChannels(t, values);
             }},
            {"Radezuvi_AO_WriteChannel", fresh(RADEZUVI_OP_AO_VOLTAGE, VirtualDevice),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_AO_WriteChannel(t, 2.5); }},
            {"Radezuvi_DI_ReadPort", fresh(RADEZUVI_OP_DI_PORT, VirtualDevice),
             [](Radezuvi_Handle t) -> Result {
                 uint32_t value = 0;
                 return Radezuvi_DI_ReadPort(t, &value);
             }},
            {"Radezuvi_DO_WritePort", fresh(RADEZUVI_OP_DO_PORT, VirtualDevice),
             [](Radezuvi_Handle t) -> Result { return Radezuvi_DO_WritePort(t, 0x5A); }},
            {"Radezuvi_GetDOBuffer",
             [] {
                 const Radezuvi_Handle t = task(RADEZUVI_OP_DO_ONE_SHOT_PATTERN, PatternCard);
                 Radezuvi_SetPropertyF64(t, RADEZUVI_PROP_DIO_RATE, 100'000);
                 return t;
             },
             [](Radezuvi_Handle t) -> Result {
                 Radezuvi_PatternDescriptor pattern{};
                 return Radezuvi_GetDOBuffer(t, &pattern, 10);
             }},
            {"Radezuvi_SetDOPattern", fresh(RADEZUVI_OP_DO_ONE_SHOT_PATTERN, PatternCard),
             [](Radezuvi_Handle t) -> Result {
                 std::uint32_t samples[16] = {1, 2, 3, 4};
                 const Radezuvi_PatternDescriptor pattern{16, 16, samples, 32};
                 return Radezuvi_SetDOPattern(t, &pattern);
             }},
            {"Radezuvi_TC_GetValue", fresh(RADEZUVI_OP_TC_EVENT_COUNTER, CounterCard),
             [](Radezuvi_Handle t) -> Result {
                 uint32_t count = 0;
                 return Radezuvi_TC_GetValue(t, &count);
             }},
        };
    }

    std::vector<EntryPoint> machineAndLists() const {
        return {
            {"Radezuvi_UseMachineProfile",
             {},
             [this](Radezuvi_Handle) -> Result { return Radezuvi_UseMachineProfile(demoProfile_.c_str()); }},
            {"GetZizevDeviceInfoStringFN",
             {},
             [](Radezuvi_Handle) -> Result {
                 char name[64];
                 return GetZizevDeviceInfoStringFN(0, 0, 0, -1, name, sizeof name);
             }},
            {"GetTaskDeviceListFN",
             {},
             [](Radezuvi_Handle) -> Result {
                 int32_t cards = -1;
                 const char* name = GetTaskDeviceListFN(-1, GetDeviceIndexFromNameFN("PCI-M610", 1), &cards);
                 return name ? cards : -1;
             },
             0},
            {"GetInstalledCardIDFN",
             {},
             [](Radezuvi_Handle) -> Result {
                 return GetInstalledCardIDFN(GetDeviceIndexFromNameFN("PCI-T310", 1), 0);
             }},
            {"GetDeviceIndexFromNameFN",
             {},
             [](Radezuvi_Handle) -> Result { return GetDeviceIndexFromNameFN("DAQ-E420", 1); }},
            {"GetAllDeviceTypeFromDeviceIndexFN",
             {},
             [](Radezuvi_Handle) -> Result { return GetAllDeviceTypeFromDeviceIndexFN(0); }},
            {"GetDeviceIndexFromAllDeviceTypeIDFN",
             {},
             [](Radezuvi_Handle) -> Result { return GetDeviceIndexFromAllDeviceTypeIDFN(CounterCard); }},
            {"CodeGenLoadFromFileFN",
             {},
             [this](Radezuvi_Handle) -> Result {
                 return reinterpret_cast<std::intptr_t>(CodeGenLoadFromFileFN(taskFile_.c_str()));
             },
             0,
             [](Result list) { FreeCodeGenListFN(reinterpret_cast<Radezuvi_CodeGenList*>(list)); }},
            {"GetCodeGenElementFN",
             {},
             [this](Radezuvi_Handle) -> Result {
                 char text[128];
                 return GetCodeGenElementFN(list_, 2, 0, text, sizeof text);
             }},
        };
    }

    doz::test::ScopedMachineProfile profile_;
    doz::test::TempFolder folder_;
    std::string taskFile_ = folder_.file("Two channels.tsk").string();
    std::string savedFile_ = folder_.file("Saved.tsk").string();
    // Made before any walk: what the test itself allocates during a call must not fail.
    std::string longDescription_ = std::string(600, 'd');
    std::string demoProfile_ = doz::test::ScopedMachineProfile::demoProfile().string();
    Radezuvi_CodeGenList* list_ = nullptr;
};

TEST_F(AllocationFailure, TaskCallsFailWithTheirDocumentedResult) {
    std::map<std::string, int> allocations;
    for (const EntryPoint& entry : taskLifetime()) {
        allocations[entry.name] = walkAllocations(entry);
        EXPECT_GE(allocations[entry.name], 0) << entry.name;
    }
    // These make a task or read or write a file, so the walk must have failed some of their
    // allocations (else it tested nothing).
    for (const char* name : {"Radezuvi_CreateTask", "Radezuvi_LoadTask", "Radezuvi_SaveTask"})
        EXPECT_GT(allocations[name], 0) << name;
    EXPECT_NE(Radezuvi_LoadTask(savedFile_.c_str(), 0), 0u) << "the last save wrote a whole file";
}

TEST_F(AllocationFailure, SettingsFailWithTheirDocumentedResult) {
    for (const EntryPoint& entry : settings())
        EXPECT_GE(walkAllocations(entry), 0) << entry.name;
}

TEST_F(AllocationFailure, RunningAndSinglePointCallsFailWithTheirDocumentedResult) {
    for (const EntryPoint& entry : running())
        EXPECT_GE(walkAllocations(entry), 0) << entry.name;
}

TEST_F(AllocationFailure, MachineAndListCallsFailWithTheirDocumentedResult) {
    for (const EntryPoint& entry : machineAndLists())
        EXPECT_GE(walkAllocations(entry), 0) << entry.name;
    int32_t cards = 0;
    GetTaskDeviceListFN(-1, GetDeviceIndexFromNameFN("PCI-M610", 1), &cards);
    EXPECT_EQ(cards, 2)
        << "the demo machine (cards 0 and 1 of the PCI-M610) is whole again after the failed loads";
}

} // namespace
} // namespace radezuvi::test
