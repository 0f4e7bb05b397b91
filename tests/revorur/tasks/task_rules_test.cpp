// The task manager's tables and text rules, without a window.

#include "common/platform/file_io.h"
#include "revorur/tasks/code_templates.h"
#include "revorur/tasks/loaded_task.h"
#include "revorur/tasks/operation_table.h"
#include "revorur/tasks/task_files.h"
#include "revorur/tasks/task_properties.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace doz::tasks {
namespace {

TEST(OperationTable, TextsPicturesAndPrefixesOfTheKnownOperations) {
    EXPECT_EQ(OperationText(0x10003), "Analog Input -- Continuous Waveform Acquisition");
    EXPECT_EQ(OperationPicture(0x10003), 3);
    EXPECT_EQ(OperationText(0x20004), "Analog Output -- Function Generation");
    EXPECT_EQ(OperationPicture(0x20004), 8);
    EXPECT_EQ(OperationText(0x80002), "Digital Output -- One-shot Pattern Generation");
    EXPECT_EQ(OperationPicture(0x80002), 15);
    EXPECT_EQ(OperationText(0x100002), "Timer/Counter -- 82C54 Mode Operation");
    EXPECT_EQ(OperationPicture(0x100002), 19);

    EXPECT_EQ(ChannelListText(0x10000, std::vector<std::uint16_t>{0, 1, 5}), "AI0-AI1-AI5");
    EXPECT_EQ(ChannelListText(0x20001, std::vector<std::uint16_t>{3}), "AO3");
    EXPECT_EQ(ChannelListText(0x40000, std::vector<std::uint16_t>{7, 2}), "DI7-DI2");
    EXPECT_EQ(ChannelListText(0x40003, std::vector<std::uint16_t>{0, 1, 5}), "DI PORT0-DI PORT1-DI PORT5");
    EXPECT_EQ(ChannelListText(0x80000, std::vector<std::uint16_t>{4}), "DO4");
    EXPECT_EQ(ChannelListText(0x80003, std::vector<std::uint16_t>{1, 2}), "DO PORT1-DO PORT2");
    EXPECT_EQ(ChannelListText(0x100001, std::vector<std::uint16_t>{11}), "TC11");
    EXPECT_EQ(ChannelListText(0x10000, {}), "");
}

TEST(OperationTable, AnyOtherCodeHasNoTextNoPrefixAndIsItsOwnPicture) {
    for (const int code : {0x100003, 0x10001, 0, -6}) {
        EXPECT_EQ(FindOperation(code), nullptr) << code;
        EXPECT_EQ(OperationText(code), "");
        EXPECT_EQ(OperationPicture(code), code);
        EXPECT_EQ(ChannelListText(code, std::vector<std::uint16_t>{0, 1}), "");
    }
}

TEST(CodeTemplates, EveryOperationHasItsTemplate) {
    const std::pair<int, const char*> table[] = {
        {0x10000, "codegen/AIPolling.cpp"},        {0x10002, "codegen/AISingleShot.cpp"},
        {0x10003, "codegen/AIContinuous.cpp"},     {0x20000, "codegen/AOVoltageOutput.cpp"},
        {0x20001, "codegen/AOCurrentOutput.cpp"},  {0x20002, "codegen/AOSingleShot.cpp"},
        {0x20003, "codegen/AOContinuous.cpp"},     {0x20004, "codegen/AOFunGen.cpp"},
        {0x40000, "codegen/DILineInput.cpp"},      {0x40001, "codegen/DIPortInput.cpp"},
        {0x40002, "codegen/DISingleShot.cpp"},     {0x40003, "codegen/DIContinuous.cpp"},
        {0x80000, "codegen/DOLineOutput.cpp"},     {0x80001, "codegen/DOPortOutput.cpp"},
        {0x80002, "codegen/DOSingleShot.cpp"},     {0x80003, "codegen/DOContinuous.cpp"},
        {0x100000, "codegen/TCSimpleCounter.cpp"}, {0x100001, "codegen/TCTimerInterrupt.cpp"},
        {0x100002, "codegen/TCModeOperation.cpp"}, {0x100003, "codegen/TCInterrupt.cpp"},
    };
    for (const auto& [code, path] : table)
        EXPECT_EQ(TemplateOfOperation(code), path) << std::hex << code;
    EXPECT_EQ(TemplateOfOperation(0), "");
    EXPECT_EQ(TemplateOfOperation(0x10001), "");
}

TEST(CodeTemplates, TheFirstExactTaskNameLineIsReplaced) {
    EXPECT_EQ(WithTaskName("a\n#define TASK_NAME \"DaqTask\"\nb\n", "Level"),
              "a\n#define TASK_NAME \"Level\"\nb\n");
    EXPECT_EQ(WithTaskName("#define TASK_NAME \"DaqTask\"", "X"), "#define TASK_NAME \"X\"")
        << "no final line end";
    EXPECT_EQ(WithTaskName("#define TASK_NAME \"DaqTask\"\r\n#define TASK_NAME \"DaqTask\"\r\n", "X"),
              "#define TASK_NAME \"X\"\n#define TASK_NAME \"DaqTask\"\n");
    // Lines that only resemble it are left alone.
    const std::string near = " #define TASK_NAME \"DaqTask\"\n#define TASK_NAME \"daqtask\"\n"
                             "#define TASK_NAME \"DaqTask\" \n#define  TASK_NAME \"DaqTask\"\n";
    EXPECT_EQ(WithTaskName(near, "X"), near);
    EXPECT_EQ(WithTaskName("", "X"), "");
}

TEST(CodeTemplates, NamesAreEscapedAsCStringLiterals) {
    EXPECT_EQ(CStringLiteralBody("Level"), "Level");
    EXPECT_EQ(CStringLiteralBody("a\"b\\c"), "a\\\"b\\\\c");
    EXPECT_EQ(CStringLiteralBody("tab\tnl\ncr\r"), "tab\\tnl\\ncr\\r");
    EXPECT_EQ(CStringLiteralBody(std::string("x\x01y\x7f", 4)), "x\\001y\\177");
    EXPECT_EQ(CStringLiteralBody("what?"
                                 "?=no?"),
              "what?\\?=no?");
    EXPECT_EQ(CStringLiteralBody("Größe"), "Größe");
}

TEST(TaskFiles, OnlyTskFilesOfAnyCaseWithANameAreTasks) {
    for (const char* name : {"Level.tsk", "Level.TSK", "a.TsK", "x.y.tsk"})
        EXPECT_TRUE(IsTaskFileName(name)) << name;
    for (const char* name : {".tsk", "tsk", "Level.tsk.bak", "Level.tsx", "Level.ts", "Leveltsk", ""})
        EXPECT_FALSE(IsTaskFileName(name)) << name;
}

TEST(TaskFiles, NewTaskNamesMustBeFileNamesOfTheTaskFolder) {
    for (const char* name : {"Level2", "New_Task", "a b", "Größe", ".hidden", "x.y"})
        EXPECT_TRUE(IsValidTaskName(name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "/abs", "a\\b", "c:d", "q?", "s*", "<x>", "p|q", "\"q\"",
                             "end.", "end ", "tab\tx", "nl\n"})
        EXPECT_FALSE(IsValidTaskName(name)) << name;
    EXPECT_FALSE(IsValidTaskName(std::string("bad\xff", 4)));
    EXPECT_TRUE(IsValidTaskName(std::string(251, 'n')));
    EXPECT_FALSE(IsValidTaskName(std::string(252, 'n')));
}

TEST(LoadedTask, NegativeEngineResultsReadAsNothing) {
    const doz::test::TempFolder folder;
    const std::filesystem::path& dir = folder.path();
    folder.write("broken.tsk", "radezuvi-task 1\noperation 0x10000\n");

    for (const auto& file : {dir / "broken.tsk", dir / "missing.tsk", dir}) {
        const LoadedTask task(file.string(), 0);
        EXPECT_FALSE(task) << file;
        EXPECT_LT(task.property(4), 0);
        EXPECT_TRUE(task.enabledChannels().empty());
        EXPECT_EQ(TaskDescription(file.string()), "");
        EXPECT_EQ(TaskOperationForCode(file.string()), 0);
        EXPECT_EQ(LastUpdateText(dir / "missing.tsk"), "");
    }
}

TEST(MoveWithoutReplacing, MovesOntoAFreeNameAndNeverReplaces) {
    const doz::test::TempFolder folder;
    const std::filesystem::path& dir = folder.path();
    folder.write("a", "A");
    folder.write("b", "B");

    EXPECT_FALSE(platform::moveWithoutReplacing(dir / "a", dir / "b"));
    EXPECT_EQ(doz::test::ReadFile(dir / "b"), "B");
    EXPECT_TRUE(std::filesystem::exists(dir / "a"));

    EXPECT_TRUE(platform::moveWithoutReplacing(dir / "a", dir / "c"));
    EXPECT_FALSE(std::filesystem::exists(dir / "a"));
    EXPECT_TRUE(std::filesystem::exists(dir / "c"));
    EXPECT_FALSE(platform::moveWithoutReplacing(dir / "missing", dir / "d"));
    EXPECT_FALSE(std::filesystem::exists(dir / "d"));
}

} // namespace
} // namespace doz::tasks
