// dedozovaz-scan: its three outputs, its messages and its exit codes.
#include "dedozovaz/model_ids.h"
#include "dedozovaz/scan_tool.h"
#include "simulated_scan.h"
#include "tests/support/process_runner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <map>
#include <regex>
#include <sstream>

namespace dedozovaz::test {
namespace {

struct ToolRun {
    int exitCode;
    std::string out;
    std::string err;
};

ToolRun runTool(std::vector<std::string_view> args) {
    std::ostringstream out;
    std::ostringstream err;
    const int code = runScanTool(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

const std::vector<SimCard> TwoCards{
    {.device = 2, .vendor = 0x10E8, .deviceId = 0x80D7, .bar1 = 0xE001},
    {.bus = 3, .vendor = MakerVendorId, .deviceId = idOf(Model::D240), .bar1 = 0xE101, .gpio = 0x104},
};

TEST(ScanToolOutput, OneTabSeparatedLinePerCardInDiscoveryOrder) {
    const SimulatedBusFile bus(busText(TwoCards));
    const ToolRun run = runTool({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\t0\t22\t0\tPCI-M620\n2\t0\t33\t5\tPCI-D240\n");
    EXPECT_EQ(run.err, "");
}

TEST(ScanToolOutput, JsonArrayOfCards) {
    const SimulatedBusFile bus(busText(TwoCards));
    const ToolRun run = runTool({"--json"});
    EXPECT_EQ(run.exitCode, 0);
    const auto expected = nlohmann::json::parse(R"([
        {"seq": 1, "family": 0, "type": 22, "card": 0, "name": "PCI-M620"},
        {"seq": 2, "family": 0, "type": 33, "card": 5, "name": "PCI-D240"}])");
    EXPECT_EQ(nlohmann::json::parse(run.out), expected);
}

TEST(ScanToolOutput, NoCardIsNoOutputAndSuccess) {
    const SimulatedBusFile bus("# an empty machine\n");
    const ToolRun plain = runTool({});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, "");
    const ToolRun json = runTool({"--json"});
    EXPECT_EQ(json.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(json.out), nlohmann::json::array());
}

TEST(ScanToolMessages, MalformedBusLinesAreNamedOnStderrAndSkipped) {
    const SimulatedBusFile bus("# slot ids subsystem bar1 bar2\n"
                               "00:01.0 10e8:80d8 0000:0000 0xe001 0\n"
                               "00:02.0 10e8:80d9 0000:0000\n"
                               "\n"
                               "00:20.0 10e8:80d9 0000:0000 0xe001 0\n"
                               "00:03.0 10e8:80da 0000:0000 0xe101 0 gpio=zz\n"
                               "00:04.0 10e8:80d7 0000:0000 0xe201 0  # last\n");
    const ToolRun run = runTool({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\t0\t5\t0\tPCI-D210\n2\t0\t22\t0\tPCI-M620\n");
    const std::string file = bus.path().string();
    const std::vector<std::string> errors = linesOf(run.err);
    ASSERT_EQ(errors.size(), 3u) << run.err;
    EXPECT_TRUE(errors[0].starts_with("dedozovaz-scan: " + file + ":3: ")) << errors[0];
    EXPECT_TRUE(errors[1].starts_with("dedozovaz-scan: " + file + ":5: ")) << errors[1];
    EXPECT_TRUE(errors[2].starts_with("dedozovaz-scan: " + file + ":6: ")) << errors[2];
}

TEST(ScanToolMessages, UnknownOptionShowsUsageAndFails) {
    const ToolRun run = runTool({"--all"});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with("usage: dedozovaz-scan")) << run.err;
}

TEST(ScanToolIdTable, VendorLineThenOneLinePerModel) {
    const ToolRun run = runTool({"--id-table"});
    EXPECT_EQ(run.exitCode, 0);
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 1u + 45u);
    EXPECT_EQ(lines[0], "vendor\t0x1D2A");
    const std::regex modelLine("[ADEMST][0-9]{3}\t[012]\t0x[0-9A-F]{4}");
    for (std::size_t i = 1; i < lines.size(); ++i)
        EXPECT_TRUE(std::regex_match(lines[i], modelLine)) << lines[i];
}

TEST(ScanToolIdTable, ItsIdsBuildABusTheScanRecognises) {
    std::map<std::string, std::uint16_t> ids;
    for (const std::string& line : linesOf(runTool({"--id-table"}).out)) {
        const std::size_t tab = line.find('\t');
        ids[line.substr(0, tab)] =
            static_cast<std::uint16_t>(std::stoul(line.substr(line.rfind('\t') + 1), nullptr, 16));
    }
    const std::uint16_t vendor = ids.at("vendor");
    const auto found = scan({{.device = 1, .vendor = vendor, .deviceId = ids.at("M610")},
                             {.device = 2, .vendor = vendor, .deviceId = ids.at("E420")},
                             {.device = 3,
                              .vendor = 0x10B5,
                              .deviceId = 0x9080,
                              .subsystemVendor = vendor,
                              .subsystem = ids.at("D260")}});
    const std::vector<Found> expected{{0, 20, 0, "PCI-M610"}, {1, 1, 0, "DAQ-E420"}, {0, 15, 0, "PCI-D260"}};
    EXPECT_EQ(found, expected);
}

TEST(ScanToolProgram, RunsAsItsOwnProcess) {
    const SimulatedBusFile bus(busText(TwoCards));
    const doz::test::ProcessResult run = doz::test::RunProcess({DEDOZOVAZ_SCAN_PROGRAM});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.out, "1\t0\t22\t0\tPCI-M620\n2\t0\t33\t5\tPCI-D240\n");
    EXPECT_EQ(run.err, "");
}

} // namespace
} // namespace dedozovaz::test
