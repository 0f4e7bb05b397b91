// The simulated-bus file: what it accepts, what it skips, and how the bus then reads.
#include "dedozovaz/simulated_bus.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace dedozovaz {
namespace {

SimBusDescription parse(const std::string& text) {
    std::istringstream in(text);
    return parseSimulatedBus(in);
}

std::vector<int> skippedLines(const SimBusDescription& bus) {
    std::vector<int> lines;
    for (const SkippedLine& s : bus.skipped)
        lines.push_back(s.lineNumber);
    return lines;
}

TEST(SimulatedBusFile, ReadsEveryFieldOfALine) {
    const auto bus = parse("1f:1e.7 1D2A:C420 10b5:4420 0xE001 e101 gpio=0x00000104\n");
    ASSERT_TRUE(bus.skipped.empty());
    ASSERT_EQ(bus.devices.size(), 1u);
    const SimDevice& d = bus.devices[0];
    EXPECT_EQ(d.slot.bus, 0x1F);
    EXPECT_EQ(d.slot.device, 0x1E);
    EXPECT_EQ(d.slot.function, 7);
    EXPECT_EQ(d.vendor, 0x1D2A);
    EXPECT_EQ(d.device, 0xC420);
    EXPECT_EQ(d.subsystemVendor, 0x10B5);
    EXPECT_EQ(d.subsystem, 0x4420);
    EXPECT_EQ(d.bar1, 0xE001u);
    EXPECT_EQ(d.bar2, 0xE101u);
    EXPECT_EQ(d.gpio, 0x104u);
}

TEST(SimulatedBusFile, IgnoresCommentsAndBlankLines) {
    const auto bus = parse("# machine A\n\n   \n00:01.0 1d2a:6610 1d2a:6610 0 0 # M610\n\t# end\n");
    EXPECT_TRUE(bus.skipped.empty());
    EXPECT_EQ(bus.devices.size(), 1u);
}

TEST(SimulatedBusFile, SkipsMalformedLinesAndKeepsTheRest) {
    const auto bus = parse("00:01.0 1d2a:6610 1d2a:6610 0 0\n" // 1 fine
                           "00:02.0 1d2a:6610 1d2a:6610 0\n"   // 2 a field short
                           "00:03.0 1d2a:6610 1d2a:6610 0 0 gpio=1 extra\n"
                           "100:04.0 1d2a:6610 1d2a:6610 0 0\n" // 4 bus past 0xFF
                           "00:20.0 1d2a:6610 1d2a:6610 0 0\n"  // 5 device past 31
                           "00:05.8 1d2a:6610 1d2a:6610 0 0\n"  // 6 function past 7
                           "00:06.0 1d2a6610 1d2a:6610 0 0\n"
                           "00:07.0 1d2a:16610 1d2a:6610 0 0\n"
                           "00:08.0 1d2a:6610 1d2a:6610 0x1FFFFFFFF 0\n"
                           "00:09.0 1d2a:6610 1d2a:6610 0 g\n"
                           "00:0a.0 1d2a:6610 1d2a:6610 0 0 gpo=0x1\n"
                           "00:0b.0 1d2a:6610 1d2a:6610 0 0 gpio=\n"
                           "00:0c.0 1d2a:6610 1d2a:6610 0 0 gpio=0x4\n" // 13 fine
                           "00:01.0 1d2a:6630 1d2a:6630 0 0\n");        // 14 slot of line 1
    EXPECT_EQ(skippedLines(bus), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14}));
    ASSERT_EQ(bus.devices.size(), 2u);
    EXPECT_EQ(bus.devices[0].device, 0x6610);
    EXPECT_EQ(bus.devices[1].gpio, 4u);
    EXPECT_NE(bus.skipped.back().reason.find("line 1"), std::string::npos) << bus.skipped.back().reason;
}

TEST(SimulatedBusFile, UnreadableFileIsNoBus) {
    EXPECT_FALSE(readSimulatedBus("/nonexistent/bus.txt"));
    EXPECT_EQ(openSimulatedBus("/nonexistent/bus.txt"), nullptr);
}

TEST(SimulatedBusFile, OpensFromDisk) {
    const doz::test::TempFolder dir;
    const auto file = dir.write("bus.txt", "02:03.0 10e8:80d7 0:0 0xe001 0\n");
    auto bus = openSimulatedBus(file);
    ASSERT_NE(bus, nullptr);
    EXPECT_EQ(bus->readConfig({2, 3, 0}, 0x00), 0x80D710E8u);
}

TEST(SimulatedBusReads, ConfigurationHeaderOfAPresentDevice) {
    const auto description = parse("04:05.0 1d2a:2240 10b5:9050 0xE001 0xE101\n");
    SimulatedBus bus(description.devices);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0x00), 0x22401D2Au);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0x14), 0xE001u);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0x18), 0xE101u);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0x2C), 0x905010B5u);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0x10), 0u);
    EXPECT_EQ(bus.readConfig({4, 5, 0}, 0xFC), 0u);
}

TEST(SimulatedBusReads, AbsentSlotsReadAllOnes) {
    const auto description = parse("04:05.0 1d2a:2240 0:0 0xE001 0\n");
    SimulatedBus bus(description.devices);
    EXPECT_EQ(bus.readConfig({4, 6, 0}, 0x00), NoDevice);
    EXPECT_EQ(bus.readConfig({4, 5, 1}, 0x00), NoDevice);
    EXPECT_EQ(bus.readConfig({5, 5, 0}, 0x2C), NoDevice);
}

TEST(SimulatedBusReads, GpioRegisterSitsBehindTheDevicesBase) {
    const auto description = parse("00:01.0 1d2a:2240 0:0 0xE001 0xD001 gpio=0x24\n"
                                   "00:02.0 1d2a:2240 0:0 0 0xD101 gpio=0x8\n"
                                   "00:03.0 1d2a:2240 0:0 0xD201 0\n");
    SimulatedBus bus(description.devices);
    EXPECT_EQ(bus.readPort(0xE054), 0x24u);
    EXPECT_EQ(bus.readPort(0xD054), NoDevice) << "the third register is the base only when the second is 0";
    EXPECT_EQ(bus.readPort(0xD154), 0x8u);
    EXPECT_EQ(bus.readPort(0xD254), 0u) << "switches all off when the line gives no gpio";
    EXPECT_EQ(bus.readPort(0xE050), NoDevice);
}

} // namespace
} // namespace dedozovaz
