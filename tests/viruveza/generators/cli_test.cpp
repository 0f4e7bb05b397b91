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

std::size_t FilesIn(const std::string& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

const std::string GoldenName = "ai-m660hg-unipolar-differential-volts";

} // namespace

TEST(GenCli, WritesTheFileWithTxtAppended) {
    TempFolder dir;
    const ProcessResult run = Gen({GoldenRecordPath(GoldenName), "-o", dir.file("DaqCode01")});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(ReadFile(dir.file("DaqCode01.txt")), ReadFile(GoldenTextPath(GoldenName)));
    EXPECT_EQ(run.err, "ruzidavidez-gen: wrote " + dir.file("DaqCode01.txt").string() + "\n");
    EXPECT_EQ(FilesIn(dir.path()), 1u);
}

TEST(GenCli, KeepsANameThatHoldsTxt) {
    TempFolder dir;
    EXPECT_EQ(Gen({GoldenRecordPath(GoldenName), "-o", dir.file("Code.TXT.c")}).exitCode, 0);
    EXPECT_EQ(ReadFile(dir.file("Code.TXT.c")), ReadFile(GoldenTextPath(GoldenName)));
}

TEST(GenCli, WritesToStandardOutputAndReadsStandardInput) {
    const ProcessResult fromFile = Gen({GoldenRecordPath(GoldenName), "-o", "-"});
    EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err;
    EXPECT_EQ(fromFile.out, ReadFile(GoldenTextPath(GoldenName)));
    EXPECT_EQ(fromFile.err, "");

    const ProcessResult fromInput = Gen({"-", "-o", "-"}, ReadFile(GoldenRecordPath(GoldenName)));
    EXPECT_EQ(fromInput.exitCode, 0) << fromInput.err;
    EXPECT_EQ(fromInput.out, fromFile.out);
}

TEST(GenCli, PrintsTheRecordWithInitialValuesForLeftOutFields) {
    const ProcessResult run = Gen({"-", "--print-record"}, R"({"cardType": 20, "level": 0.3})");
    EXPECT_EQ(run.exitCode, 0) << run.err;
    const auto printed = nlohmann::json::parse(run.out);
    EXPECT_EQ(printed["line"], 0);
    EXPECT_EQ(printed["cardType"], 20);
    EXPECT_EQ(printed["level"], 0.3);
    EXPECT_EQ(printed["operation"], 0);
    EXPECT_EQ(printed["aiChannels"][127]["range"], 1);
    EXPECT_EQ(printed["aoChannels"][3]["polarity"], 1);
}

TEST(GenCli, RecordsThatGenerateNothingExitWithTwo) {
    struct Case {
        const char* record;
        const char* message;
    };
    const Case cases[] = {
        {R"({"operation": 0})", "ruzidavidez-gen: nothing generated: no card is chosen (cardType 0xFFFF)\n"},
        {R"({"cardType": 20, "operation": 5})", "ruzidavidez-gen: nothing generated: no writer for operation "
                                                "5 (\"Continuous AO\") on the classic line\n"},
        {R"({"line": 1, "cardType": 2, "operation": 9})",
         "ruzidavidez-gen: nothing generated: no writer for operation 9 on the E400 line\n"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const ProcessResult run = Gen({"-", "-o", dir.file("code")}, c.record);
        EXPECT_EQ(run.exitCode, 2) << c.record;
        EXPECT_EQ(run.err, c.message);
        EXPECT_EQ(FilesIn(dir.path()), 0u) << c.record;
    }
}

TEST(GenCli, BadRecordsExitWithOneNamingTheField) {
    struct Case {
        std::string record;
        std::string message; // what stderr holds after "ruzidavidez-gen: -: "
    };
    const std::string longTitle(64, 't');
    const std::string longFileName(256, 'f');
    std::string manyChannels = R"({"aiChannels": [)";
    for (int i = 0; i < 129; ++i)
        manyChannels += i ? ",{}" : "{}";
    manyChannels += "]}";

    const Case cases[] = {
        {R"({"cardType": 20,)", "malformed JSON: "},
        {R"({"sampleRate": 1e400})", "malformed JSON: number overflow parsing '1e400'"},
        {"[1, 2]", "the record must be a JSON object, got [1,2]"},
        {R"({"cardtype": 20})", "unknown field \"cardtype\""},
        {R"({"reserved": 0})", "unknown field \"reserved\""},
        {R"({"aiChannels": [{"gain": 1}]})", "unknown field \"aiChannels[0].gain\""},
        {R"({"cardType": "20"})", "field \"cardType\": expected an integer from 0 to 65535, got \"20\""},
        {R"({"channel": 1.5})", "field \"channel\": expected an integer from 0 to 65535, got 1.5"},
        {R"({"cardType": 65536})", "field \"cardType\": expected an integer from 0 to 65535, got 65536"},
        {R"({"channelPattern": -32769})",
         "field \"channelPattern\": expected an integer from -32768 to 32767"},
        {R"({"scanCount": -1})", "field \"scanCount\": expected an integer from 0 to 4294967295, got -1"},
        {R"({"sampleRate": "fast"})", "field \"sampleRate\": expected a number, got \"fast\""},
        {R"({"level": 1e39})", "field \"level\": the number 1e+39 does not fit a 32-bit float"},
        {R"({"title": 5})", "field \"title\": expected a string, got 5"},
        {R"({"title": ")" + longTitle + R"("})",
         "field \"title\": the text has 64 bytes; the field holds at most 63"},
        {R"({"fileName": ")" + longFileName + R"("})",
         "field \"fileName\": the text has 256 bytes; the field holds at most 255"},
        {R"({"fileName": "a\u0000b"})", "field \"fileName\": a NUL character cannot be stored in the field"},
        {R"({"line": 2})", "field \"line\": expected 0 (classic line) or 1 (E400 line), got 2"},
        {R"({"aiChannels": {}})", "field \"aiChannels\": expected an array of channel objects, got {}"},
        {manyChannels, "field \"aiChannels\": 129 entries; the table holds at most 128"},
        {R"({"aoChannels": [{}, 3]})", "field \"aoChannels[1]\": expected a channel object, got 3"},
        {R"({"aoChannels": [{"enabled": true}]})",
         "field \"aoChannels[0].enabled\": expected an integer from 0 to 4294967295, got true"},
        {R"({"aoChannels": [{}, {"polarity": 40000}]})",
         "field \"aoChannels[1].polarity\": expected an integer from -32768 to 32767, got 40000"},
    };
    for (const Case& c : cases) {
        TempFolder dir;
        const ProcessResult run = Gen({"-", "-o", dir.file("code")}, c.record);
        EXPECT_EQ(run.exitCode, 1) << c.record;
        EXPECT_TRUE(run.err.starts_with("ruzidavidez-gen: -: " + c.message)) << c.record << "\n" << run.err;
        EXPECT_EQ(FilesIn(dir.path()), 0u) << c.record;
        EXPECT_EQ(run.out, "");
    }
}

TEST(GenCli, BadArgumentsAndUnwritableOutputExitWithOne) {
    TempFolder dir;
    const std::string record = GoldenRecordPath(GoldenName);
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{}, "ruzidavidez-gen: no record file given\n"},
        {{record}, "ruzidavidez-gen: nothing to do: give -o OUT or --print-record\n"},
        {{record, "-o"}, "ruzidavidez-gen: -o needs an output path\n"},
        {{record, "-x"}, "ruzidavidez-gen: unknown option -x\n"},
        {{record, record, "-o", "-"}, "ruzidavidez-gen: more than one record file: "},
        {{record, "-o", "-", "--print-record"},
         "ruzidavidez-gen: -o - and --print-record would both write to standard output\n"},
        {{dir.file("missing.json"), "-o", "-"},
         "ruzidavidez-gen: cannot read " + dir.file("missing.json").string() +
             ": No such file or directory\n"},
        {{dir.path(), "-o", "-"},
         "ruzidavidez-gen: cannot read " + dir.path().string() + ": Is a directory\n"},
        {{record, "-o", dir.file("no-folder/code")},
         "ruzidavidez-gen: cannot create \"" + dir.file("no-folder/code.txt").string() +
             "\": No such file or directory\n"},
    };
    for (const auto& c : cases) {
        const ProcessResult run = Gen(c.args);
        EXPECT_EQ(run.exitCode, 1) << c.message;
        EXPECT_TRUE(run.err.starts_with(c.message)) << run.err;
    }
    EXPECT_EQ(FilesIn(dir.path()), 0u);
}

TEST(GenCli, HelpGoesToStandardOutput) {
    const ProcessResult run = Gen({"--help"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.starts_with("usage: ruzidavidez-gen RECORD.json -o OUT")) << run.out;
}

} // namespace doz::generators
