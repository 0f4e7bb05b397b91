// Tasks on disk through the C interface: save and load, the code-generation list, and files
// that must load as failure without crashing or hanging.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace radezuvi::test {
namespace {

class TaskStorage : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0); }

    doz::test::ScopedMachineProfile profile_;
    doz::test::TempFolder folder_;

    // A named pipe nobody writes to: opening it for reading would wait forever.
    std::string fifo() const {
        const auto path = folder_.file("pipe.tsk");
        std::filesystem::remove(path);
        EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
        return path.string();
    }

    std::string write(const std::string& name, const std::string& content) const {
        const auto path = folder_.file(name);
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
};

TEST_F(TaskStorage, SavedTaskLoadsWithTheSameSettings) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_DI_PORT, 120, 0, 1));
    ASSERT_NE(task.get(), 0u);
    for (const int port : {0, 1, 5}) {
        ASSERT_EQ(Radezuvi_EnableSingleChannel(task, port), RADEZUVI_OK);
    }
    ASSERT_EQ(Radezuvi_SetPropertyEnum(task, RADEZUVI_PROP_INPUT_SOURCE, 171), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_SetChannelPropertyEnum(task, 1, RADEZUVI_CHPROP_PORT_WIDTH, 515), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_SetTaskDescription(task, "Door switches\nof rig 2"), RADEZUVI_OK);
    const std::string path = (folder_.path() / "Doors.tsk").string();
    ASSERT_EQ(Radezuvi_SaveTask(task, path.c_str()), RADEZUVI_OK);

    ScopedTask loaded(Radezuvi_LoadTask(path.c_str(), 0));
    ASSERT_NE(loaded.get(), 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(loaded, RADEZUVI_PROP_OPERATION), RADEZUVI_OP_DI_PORT);
    EXPECT_EQ(Radezuvi_GetPropertyI4(loaded, RADEZUVI_PROP_DEVICE_TYPE), 120);
    EXPECT_EQ(Radezuvi_GetPropertyI4(loaded, RADEZUVI_PROP_DEVICE_INDEX), 0);
    EXPECT_EQ(Radezuvi_GetPropertyI4(loaded, RADEZUVI_PROP_INPUT_SOURCE), 171);
    double width = 0;
    EXPECT_EQ(Radezuvi_GetChannelPropertyF64(loaded, 1, RADEZUVI_CHPROP_PORT_WIDTH, &width), RADEZUVI_OK);
    EXPECT_EQ(width, 515);
    uint16_t* channels = nullptr;
    ASSERT_EQ(Radezuvi_GetEnabledChannelList(loaded, &channels), 3);
    EXPECT_EQ(channels[0], 0);
    EXPECT_EQ(channels[1], 1);
    EXPECT_EQ(channels[2], 5);
    Radezuvi_FreeChannelList(channels);
    char description[64] = {};
    EXPECT_EQ(Radezuvi_GetTaskDescription(loaded, description, sizeof description), 22);
    EXPECT_STREQ(description, "Door switches\nof rig 2");
}

TEST_F(TaskStorage, DescriptionsWithControlCharactersSaveInAFormThatLoads) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    ASSERT_EQ(Radezuvi_EnableSingleChannel(task, 0), RADEZUVI_OK);
    const char text[] = "Bell\a, escape \x1B[0m,\ttab and \\x41";
    ASSERT_EQ(Radezuvi_SetTaskDescription(task, text), RADEZUVI_OK);
    const std::string path = (folder_.path() / "Bell.tsk").string();
    ASSERT_EQ(Radezuvi_SaveTask(task, path.c_str()), RADEZUVI_OK);
    ScopedTask loaded(Radezuvi_LoadTask(path.c_str(), 0));
    ASSERT_NE(loaded.get(), 0u);
    char back[64] = {};
    EXPECT_EQ(Radezuvi_GetTaskDescription(loaded, back, sizeof back), static_cast<int>(sizeof text - 1));
    EXPECT_STREQ(back, text);
}

TEST_F(TaskStorage, CodeGenListGivesTheDescriptionCutToTheBuffer) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    Radezuvi_EnableSingleChannel(task, 2);
    Radezuvi_SetTaskDescription(task, "Tank level");
    const std::string path = (folder_.path() / "Level.tsk").string();
    ASSERT_EQ(Radezuvi_SaveTask(task, path.c_str()), RADEZUVI_OK);

    Radezuvi_CodeGenList* list = CodeGenLoadFromFileFN(path.c_str());
    ASSERT_NE(list, nullptr);
    char text[2048];
    const int length = GetCodeGenElementFN(list, 2, 0, text, 2048);
    text[length] = '\0';
    EXPECT_STREQ(text, "Tank level");
    char small[5];
    EXPECT_EQ(GetCodeGenElementFN(list, 2, 0, small, 5), 4);
    EXPECT_STREQ(small, "Tank");
    EXPECT_EQ(GetCodeGenElementFN(list, 0, 0, text, 2048), 14);
    EXPECT_STREQ(text, "Virtual Device");
    GetCodeGenElementFN(list, 1, 0, text, 2048);
    EXPECT_STREQ(text, "2");
    EXPECT_LT(GetCodeGenElementFN(list, 1, 1, text, 2048), 0);
    EXPECT_LT(GetCodeGenElementFN(list, 9, 0, text, 2048), 0);
    FreeCodeGenListFN(list);
    FreeCodeGenListFN(nullptr);
}

TEST_F(TaskStorage, DamagedFilesLoadAsFailure) {
    const std::string valid = "radezuvi-task 1\noperation 0x10000\ndevice 1 0\nchannels 0\nend\n";
    ASSERT_NE(Radezuvi_LoadTask(write("good.tsk", valid).c_str(), 0), 0u);
    const std::string paths[] = {
        write("empty.tsk", ""),
        write("truncated.tsk", valid.substr(0, valid.size() / 2)),
        write("binary.tsk", std::string("\x7f"
                                        "ELF\x02\x01\x01\0\0\0",
                                        10)),
        write("huge.tsk", valid.substr(0, valid.size() - 4) + std::string(3 * 1024 * 1024, '#') + "\nend\n"),
        folder_.path().string(),
        "/nonexistent/folder/task.tsk",
        "/dev/zero",
        fifo(),
    };
    for (const auto& path : paths) {
        EXPECT_EQ(Radezuvi_LoadTask(path.c_str(), 0), 0u) << path;
        EXPECT_EQ(CodeGenLoadFromFileFN(path.c_str()), nullptr) << path;
    }
    EXPECT_EQ(Radezuvi_LoadTask(nullptr, 0), 0u);
    EXPECT_EQ(CodeGenLoadFromFileFN(nullptr), nullptr);
}

TEST_F(TaskStorage, WellFormedTasksForCardsThatCannotRunThemDoNotLoad) {
    const std::string paths[] = {
        write("channel-beyond-card.tsk", "radezuvi-task 1\noperation 0x10000\ndevice 1 0\nchannels 4\nend\n"),
        write("unknown-card.tsk", "radezuvi-task 1\noperation 0x10000\ndevice 15 0\nend\n"),
        write("no-analog-input.tsk", "radezuvi-task 1\noperation 0x10000\ndevice 120 0\nend\n"),
    };
    for (const auto& path : paths) {
        EXPECT_EQ(Radezuvi_LoadTask(path.c_str(), 0), 0u) << path;
    }
}

TEST_F(TaskStorage, OpeningLoadNeedsTheCardInstalled) {
    const std::string path =
        write("elsewhere.tsk", "radezuvi-task 1\noperation 0x10003\ndevice 330 7\nchannels 0\nend\n");
    EXPECT_EQ(Radezuvi_LoadTask(path.c_str(), 1), 0u);
    ScopedTask inspected(Radezuvi_LoadTask(path.c_str(), 0));
    ASSERT_NE(inspected.get(), 0u);
    EXPECT_EQ(Radezuvi_GetPropertyI4(inspected, RADEZUVI_PROP_DEVICE_INDEX), 7);
    EXPECT_EQ(Radezuvi_Start(inspected), RADEZUVI_ERR_NO_DEVICE);
}

TEST_F(TaskStorage, DemoTasksLoadAndOpenOnTheDemoMachine) {
    const char* source = std::getenv("DOZ_SOURCE_DIR");
    ASSERT_NE(source, nullptr);
    int count = 0;
    for (const auto& file :
         std::filesystem::directory_iterator(std::filesystem::path(source) / "maker/profiles/demo-tasks")) {
        ScopedTask task(Radezuvi_LoadTask(file.path().c_str(), 1));
        EXPECT_NE(task.get(), 0u) << file.path();
        ++count;
    }
    EXPECT_GE(count, 3);
}

TEST_F(TaskStorage, SavingToAnUnwritablePlaceFails) {
    ScopedTask task(Radezuvi_CreateTask(RADEZUVI_OP_AI_POLLING, 1, 0, 1));
    EXPECT_EQ(Radezuvi_SaveTask(task, "/nonexistent/folder/task.tsk"), RADEZUVI_ERR_FILE);
    EXPECT_EQ(Radezuvi_SaveTask(task, nullptr), RADEZUVI_ERR_ARGUMENT);
    EXPECT_EQ(Radezuvi_SaveTask(0, "/tmp/x.tsk"), RADEZUVI_ERR_HANDLE);
}

} // namespace
} // namespace radezuvi::test
