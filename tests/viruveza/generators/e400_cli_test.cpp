// ruzidavidez-gen on the E400 operations: the files, the normalised record it prints back, and
// the records that generate nothing.

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

} // namespace

TEST(E400GenCli, WritesEveryE400OperationAsItsGoldenFile) {
    for (const char* name : {"e400-ai-e435-consecutive-rse", "e400-cai-middle-mixed-volts",
                             "e400-ao-e465-channels-2-5", "e465-separate-both-definite-volts",
                             "e400-cao-e460-one-channel-definite", "e400-di-line", "e400-do-port-readback"}) {
        TempFolder dir;
        const ProcessResult run = Gen({GoldenRecordPath(name), "-o", dir.file("E400Code")});
        EXPECT_EQ(run.exitCode, 0) << name << ": " << run.err;
        EXPECT_EQ(ReadFile(dir.file("E400Code.txt")), ReadFile(GoldenTextPath(name))) << name;
    }
}

TEST(E400GenCli, PrintsTheRecordAsTheWriterLeftIt) {
    const ProcessResult run = Gen({"-", "--print-record"}, R"({"line": 1, "cardType": 2, "operation": 1,
        "channelCount": 0, "channel": 7, "reTrigCount": 0, "trigFlags": 16,
        "aiChannels": [{"enabled": 0}, {"enabled": 1}, {"enabled": 1}, {"enabled": 1, "range": 3}]})");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto printed = nlohmann::json::parse(run.out);
    EXPECT_EQ(printed["channelCount"], 3);
    EXPECT_EQ(printed["channel"], 1);
    EXPECT_EQ(printed["channelPattern"], 0) << "channel 3 has another range";
    EXPECT_EQ(printed["reTrigCount"], 1) << "no retrigger in pre-trigger mode";

    // The E465 keeps the channel count and takes the first channel of its group.
    const ProcessResult e465 = Gen({"-", "--print-record"}, R"({"line": 1, "cardType": 8, "operation": 3,
        "adRange": 4, "channelCount": 1, "channel": 0, "aoChannels": [{}, {}, {}, {}, {}, {"enabled": 1}]})");
    ASSERT_EQ(e465.exitCode, 0) << e465.err;
    const auto waveform = nlohmann::json::parse(e465.out);
    EXPECT_EQ(waveform["channelCount"], 1);
    EXPECT_EQ(waveform["channel"], 5);
}

TEST(E400GenCli, RecordsWithoutAnEnabledChannelExitWithTwo) {
    const struct {
        const char* record;
        const char* message;
    } cases[] = {
        {R"({"line": 1, "cardType": 3, "operation": 0, "channelCount": 0})",
         "ruzidavidez-gen: nothing generated: no channel is enabled in the channel table\n"},
        {R"({"line": 1, "cardType": 7, "operation": 3, "channelCount": 2})",
         "ruzidavidez-gen: nothing generated: no channel is enabled in the channel table\n"},
        {R"({"line": 1, "cardType": 8, "operation": 3, "adRange": 12, "channelCount": 2, "doubleBuffer": 1,
             "aoChannels": [{"enabled": 1}, {}, {}, {}, {"enabled": 1}]})",
         "ruzidavidez-gen: nothing generated: groups A and B cannot run separately with double buffer\n"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        const ProcessResult run = Gen({"-", "-o", dir.file("code")}, c.record);
        EXPECT_EQ(run.exitCode, 2) << c.record;
        EXPECT_EQ(run.err, c.message);
        EXPECT_FALSE(std::filesystem::exists(dir.file("code.txt"))) << c.record;
    }
}

} // namespace doz::generators
