// ruzidavidez-gen on the operations of the classic digital, counter, continuous and interrupt
// writers.

#include "golden_files.h"
#include "tests/support/files.h"
#include "tests/support/process_runner.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace doz::generators {

namespace {

using namespace testing;
using namespace doz::test;

ProcessResult Gen(std::vector<std::string> args, std::string_view input = {}) {
    args.insert(args.begin(), GEN_CLI_PATH);
    return RunProcess(args, input);
}

TEST(GenCliClassic, WritesTheFileOfEachOperation) {
    const char* goldens[] = {
        "di-d270-index4-configured-through-p1e",
        "do-d250-p3b-line-readback",
        "cai-m650-4ch-delay-trigger",
        "cdi-d260-multiple-buffers-16bit",
        "cdo-d210-async-iteration",
        "int-d270-source0-event",
        "ctr-t310-ck1-cout11",
        "ctr-e400-e420",
    };
    for (const char* name : goldens) {
        TempFolder dir;
        const ProcessResult run = Gen({GoldenRecordPath(name), "-o", dir.file("DaqCode01")});
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
        EXPECT_EQ(ReadFile(dir.file("DaqCode01.txt")), ReadFile(GoldenTextPath(name))) << name;
    }
}

TEST(GenCliClassic, AContinuousAiRecordWithoutChannelsGeneratesNothing) {
    TempFolder dir;
    const ProcessResult run =
        Gen({"-", "-o", dir.file("code")}, R"({"cardType": 20, "operation": 4, "channelCount": 0})");
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(
        run.err,
        "ruzidavidez-gen: nothing generated: continuous AI needs at least one channel (channelCount is 0)\n");
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

TEST(GenCliClassic, PrintsTheInterruptLineWrittenIntoTheRecord) {
    TempFolder dir;
    const ProcessResult run =
        Gen({GoldenRecordPath("int-d230-source4-event"), "-o", dir.file("irq"), "--print-record"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["channel"], 1);
    EXPECT_EQ(ReadFile(dir.file("irq.txt")), ReadFile(GoldenTextPath("int-d230-source4-event")));
}

} // namespace

} // namespace doz::generators
