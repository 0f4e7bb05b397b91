// The twenty C reference-code templates: each holds its task-name line once, builds with the
// system C compiler against the engine's header and library, and, run on a test machine, loads
// its task, does what the operation does, prints plausible values and exits with 0.

#include "revorur/tasks/code_templates.h"
#include "tests/support/files.h"
#include "tests/support/process_runner.h"
#include "tests/support/scoped_env.h"
#include "tests/support/task_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace doz::tasks {
namespace {

namespace fs = std::filesystem;
using doz::test::ProcessResult;
using doz::test::ReadFile;
using doz::test::RunProcess;
using doz::test::WriteFile;

// One template, the task it is run with (card type and number, channels, further lines) and a line its
// output must hold.
struct TemplateRun {
    const char* file;
    int operation;
    int typeCode;
    int cardNumber;
    const char* channels;
    const char* more;
    const char* expected; // regular expression searched in the output
};

constexpr TemplateRun runs[] = {
    {"AIPolling.cpp", 0x10000, 1, 0, "0 1", "", R"(Reading 5:  AI0 = +-?\d+\.\d{4} V  AI1 = )"},
    {"AISingleShot.cpp", 0x10002, 1, 0, "0 1", "property 102 1000\nproperty 105 200\n",
     R"(Received 1 blocks, 200 samples per channel)"},
    {"AIContinuous.cpp", 0x10003, 1, 0, "0", "property 102 1000\n", R"(AI0: minimum +-\d+\.\d+ V, maximum)"},
    {"AOVoltageOutput.cpp", 0x20000, 1, 0, "0", "", R"(Wrote +-2\.500 V to the enabled channels)"},
    {"AOCurrentOutput.cpp", 0x20001, 10, 0, "0", "channel-property 0 51 250\n", R"(Wrote +20\.000 mA)"},
    {"AOSingleShot.cpp", 0x20002, 1, 0, "0",
     "channel-property 0 200 400\nchannel-property 0 201 10\nchannel-property 0 202 1\n",
     R"(AO0: sine wave, 10\.000 Hz, amplitude 1\.000 V)"},
    {"AOContinuous.cpp", 0x20003, 1, 0, "1",
     "channel-property 1 200 401\nchannel-property 1 201 50\nchannel-property 1 202 2\n",
     R"(AO1: square wave, 50\.000 Hz, amplitude 2\.000 V)"},
    {"AOFunGen.cpp", 0x20004, 1, 0, "0",
     "channel-property 0 200 402\nchannel-property 0 201 100\nchannel-property 0 202 3\n",
     R"(AO0: triangle wave, 100\.000 Hz)"},
    {"DILineInput.cpp", 0x40000, 1, 0, "1", "", R"(Reading 5: DI1 = 1)"},
    {"DIPortInput.cpp", 0x40001, 1, 0, "0", "", R"(Reading 5: DI PORT0 = 0x0000005A \(90\))"},
    {"DISingleShot.cpp", 0x40002, 60, 0, "0", "property 104 1000\nproperty 105 100\n",
     R"(Received 1 blocks, 100 samples of 32 bits)"},
    {"DIContinuous.cpp", 0x40003, 60, 0, "0", "property 104 1000\n", R"(first samples: 0x\w{8} 0x)"},
    {"DOLineOutput.cpp", 0x80000, 1, 0, "2", "", R"(Wrote DO2 = 1\nWrote DO2 = 0\nWrote DO2 = 1)"},
    {"DOPortOutput.cpp", 0x80001, 1, 0, "1", "", R"(Wrote DO PORT1 = 0x01\nWrote DO PORT1 = 0x02\n)"},
    {"DOSingleShot.cpp", 0x80002, 60, 0, "0", "property 104 1000\nproperty 105 100\n",
     R"(Pattern of 100 samples of 32 bits)"},
    {"DOContinuous.cpp", 0x80003, 60, 0, "0", "property 104 1000\nproperty 105 64\n",
     R"(Pattern output stopped)"},
    {"TCSimpleCounter.cpp", 0x100000, 320, 0, "0", "", R"(Final count: [1-9]\d*)"},
    {"TCTimerInterrupt.cpp", 0x100001, 320, 0, "0", "property 251 100\n",
     R"(Received [1-9]\d* timer events)"},
    {"TCModeOperation.cpp", 0x100002, 320, 0, "1", "", R"(Final count: [1-9]\d*)"},
    {"TCInterrupt.cpp", 0x100003, 320, 0, "0", "property 251 100\n", R"(Received [1-9]\d* interrupt events)"},
};

// The test machine: the virtual device with input port 0 pinned, and the cards the runs use.
constexpr const char* machine = "input \"Virtual Device\" 0 port 0 0x5A\n"
                                "card PCI-D210 0\ncard PCI-A120 0\ncard PCI-T310 0\n";

std::string taskFile(const TemplateRun& run) {
    return doz::test::taskFileText({.operation = run.operation,
                                    .typeCode = run.typeCode,
                                    .cardNumber = run.cardNumber,
                                    .channels = run.channels,
                                    .description = "reference code test",
                                    .more = run.more});
}

class CodegenTemplates : public ::testing::Test {
protected:
    // cc -x c on the template; the program's path, or "" with the compiler's report in `report`.
    std::string build(const std::string& file, std::string& report) {
        const std::string program = scratch_.file(fs::path(file).stem()).string();
        std::vector<std::string> argv{"cc",
                                      "-x",
                                      "c",
                                      "-std=c99",
                                      "-Wall",
                                      "-Wextra",
                                      "-Werror",
                                      "-pedantic",
                                      "-I",
                                      ENGINE_INCLUDE_DIR,
                                      std::string(CODEGEN_DIR) + "/" + file,
                                      "-x",
                                      "none",
                                      "-L",
                                      ENGINE_LIBRARY_DIR,
                                      "-lradezuviengine",
                                      "-Wl,-rpath," ENGINE_LIBRARY_DIR,
                                      "-o",
                                      program};
        // An engine built with a sanitizer needs its runtime in the program that loads it.
        std::istringstream linkFlags(TEMPLATE_LINK_FLAGS);
        for (std::string flag; linkFlags >> flag;)
            argv.push_back(flag);
        const ProcessResult cc = RunProcess(argv);
        report = cc.err;
        return cc.exitCode == 0 ? program : std::string();
    }

    doz::test::TempFolder scratch_;
    // The programs built here find the test machine through the variable.
    doz::test::ScopedEnv machine_{"RADEZUVI_MACHINE", scratch_.write("test.machine", machine).string()};
};

TEST_F(CodegenTemplates, EachHoldsItsTaskNameLineExactlyOnce) {
    for (const TemplateRun& run : runs) {
        EXPECT_EQ(TemplateOfOperation(run.operation), std::string("codegen/") + run.file);
        const std::string text = ReadFile(std::string(CODEGEN_DIR) + "/" + run.file);
        std::size_t lines = 0;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            lines += line == TaskNameLine;
        EXPECT_EQ(lines, 1u) << run.file;
        EXPECT_EQ(text.find(TaskNameLine), text.rfind(TaskNameLine)) << run.file;
    }
}

TEST_F(CodegenTemplates, EachBuildsAsCAndAsCpp) {
    for (const TemplateRun& run : runs) {
        std::string report;
        EXPECT_NE(build(run.file, report), "") << run.file << "\n" << report;
        const ProcessResult cxx =
            RunProcess({"c++", "-x", "c++", "-fsyntax-only", "-Wall", "-Wextra", "-Werror", "-I",
                        ENGINE_INCLUDE_DIR, std::string(CODEGEN_DIR) + "/" + run.file});
        EXPECT_EQ(cxx.exitCode, 0) << run.file << "\n" << cxx.err;
    }
}

TEST_F(CodegenTemplates, EachRunsItsTaskAndPrintsWhatItGets) {
    for (const TemplateRun& run : runs) {
        std::string report;
        const std::string program = build(run.file, report);
        ASSERT_NE(program, "") << run.file << "\n" << report;
        const fs::path folder =
            scratch_.write(fs::path(run.file).stem().string() + "-task/DaqTask.tsk", taskFile(run))
                .parent_path();

        const ProcessResult result = RunProcess({program, folder.string()});
        EXPECT_EQ(result.exitCode, 0) << run.file << "\n" << result.out << result.err;
        EXPECT_TRUE(std::regex_search(result.out, std::regex(run.expected))) << run.file << " printed:\n"
                                                                             << result.out << result.err;
    }
}

TEST_F(CodegenTemplates, PollingReadsChangingVoltagesWithinTheRange) {
    const TemplateRun& run = runs[0];
    std::string report;
    const std::string program = build(run.file, report);
    ASSERT_NE(program, "") << report;
    WriteFile(scratch_.file("DaqTask.tsk"), taskFile(run));
    const ProcessResult result = RunProcess({program, scratch_.path().string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const std::regex value(R"(AI(\d) = +(-?\d+\.\d+) V)");
    std::vector<double> values;
    for (auto it = std::sregex_iterator(result.out.begin(), result.out.end(), value);
         it != std::sregex_iterator(); ++it)
        values.push_back(std::stod((*it)[2]));
    ASSERT_EQ(values.size(), 10u) << result.out;
    for (const double v : values) {
        EXPECT_GE(v, -10.0);
        EXPECT_LE(v, 10.0);
    }
    EXPECT_NE(*std::min_element(values.begin(), values.end()),
              *std::max_element(values.begin(), values.end()));
}

TEST_F(CodegenTemplates, TheCounterCountsUpAndStopFreezesIt) {
    const TemplateRun& run = runs[16];
    ASSERT_STREQ(run.file, "TCSimpleCounter.cpp");
    std::string report;
    const std::string program = build(run.file, report);
    ASSERT_NE(program, "") << report;
    WriteFile(scratch_.file("DaqTask.tsk"), taskFile(run));
    const ProcessResult result = RunProcess({program, scratch_.path().string()});
    ASSERT_EQ(result.exitCode, 0) << result.err;

    const std::regex reading(R"(Reading \d: count = (\d+))");
    std::vector<unsigned long> counts;
    for (auto it = std::sregex_iterator(result.out.begin(), result.out.end(), reading);
         it != std::sregex_iterator(); ++it)
        counts.push_back(std::stoul((*it)[1]));
    ASSERT_EQ(counts.size(), 5u) << result.out;
    for (std::size_t i = 1; i < counts.size(); ++i)
        EXPECT_GT(counts[i], counts[i - 1]) << result.out;
    std::smatch final;
    ASSERT_TRUE(std::regex_search(result.out, final, std::regex(R"(Final count: (\d+))")));
    EXPECT_GE(std::stoul(final[1]), counts.back());
}

TEST_F(CodegenTemplates, AMissingTaskIsReportedWithAFailureStatus) {
    std::string report;
    const std::string program = build("DIPortInput.cpp", report);
    ASSERT_NE(program, "") << report;
    const ProcessResult result = RunProcess({program, scratch_.file("no-such-folder").string()});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("Cannot load the task"), std::string::npos) << result.err;
}

TEST_F(CodegenTemplates, WithoutAFolderTheTaskIsTakenFromTheCurrentDirectory) {
    std::string report;
    const std::string program = build("DOPortOutput.cpp", report);
    ASSERT_NE(program, "") << report;
    WriteFile(scratch_.file("DaqTask.tsk"), taskFile(runs[13]));
    const ProcessResult result = RunProcess({program}, {}, scratch_.path());
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Wrote DO PORT1 = 0x80"), std::string::npos) << result.out;
}

} // namespace
} // namespace doz::tasks
