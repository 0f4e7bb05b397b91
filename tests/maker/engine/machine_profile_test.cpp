// Machine profiles: installed cards, faults and pinned inputs, and every malformed line reported
// with its file and line while the rest of the profile is still used.
#include "device_table.h"
#include "machine_profile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace radezuvi {
namespace {

const CardSpec* findCard(const MachineProfile& profile, std::string_view device, int number) {
    const auto entry = entryIndexOfName(device);
    const auto it = std::find_if(profile.cards.begin(), profile.cards.end(), [&](const CardSpec& c) {
        return entry && c.entry == *entry && c.cardNumber == number;
    });
    return it == profile.cards.end() ? nullptr : &*it;
}

MachineProfile parse(const std::string& text, std::string* report = nullptr) {
    std::ostringstream out;
    MachineProfile profile = parseMachineProfile(text, "rig.machine", out);
    if (report) {
        *report = out.str();
    }
    return profile;
}

TEST(MachineProfile, InstallsListedCardsBesideTheVirtualDevice) {
    const auto profile = parse("# rig\n\ncard PCI-M610 0 1\ncard \"DAQ-E420\" 3   # quoted name\n");
    EXPECT_EQ(profile.problems, 0);
    ASSERT_EQ(profile.cards.size(), 4u);
    EXPECT_NE(findCard(profile, "Virtual Device", 0), nullptr);
    EXPECT_NE(findCard(profile, "PCI-M610", 0), nullptr);
    EXPECT_NE(findCard(profile, "PCI-M610", 1), nullptr);
    EXPECT_NE(findCard(profile, "DAQ-E420", 3), nullptr);
}

TEST(MachineProfile, ReadsFaultsWithTheirOptions) {
    const auto profile = parse("card DAQ-E430 0\n"
                               "card PCI-D230 0\n"
                               "fault DAQ-E430 0 start-fails op 0x10003\n"
                               "fault PCI-D230 0 read-fails port 2\n"
                               "fault PCI-D230 0 write-returns 200\n"
                               "fault \"Virtual Device\" 0 property-refused 53\n"
                               "input PCI-D230 0 port 1 0x5A\n"
                               "no-loopback DAQ-E430 0\n"
                               "card PCI-D215 0\n"
                               "fault PCI-D215 0 stop-fails op 0x100001\n"
                               "fault PCI-D215 0 enable-fails op 0x40001 port 1\n");
    EXPECT_EQ(profile.problems, 0);
    const CardSpec* d215 = findCard(profile, "PCI-D215", 0);
    ASSERT_EQ(d215->faults.size(), 2u);
    EXPECT_EQ(d215->faults[0].kind, FaultKind::StopFails);
    EXPECT_EQ(d215->faults[0].operation, 0x100001);
    EXPECT_FALSE(d215->faults[0].port);
    EXPECT_EQ(d215->faults[1].kind, FaultKind::EnableFails);
    EXPECT_EQ(d215->faults[1].operation, 0x40001);
    EXPECT_EQ(d215->faults[1].port, 1);
    const CardSpec* e430 = findCard(profile, "DAQ-E430", 0);
    ASSERT_EQ(e430->faults.size(), 1u);
    EXPECT_EQ(e430->faults[0].kind, FaultKind::StartFails);
    EXPECT_EQ(e430->faults[0].operation, 0x10003);
    EXPECT_FALSE(e430->loopBack);
    const CardSpec* d230 = findCard(profile, "PCI-D230", 0);
    ASSERT_EQ(d230->faults.size(), 2u);
    EXPECT_EQ(d230->faults[0].kind, FaultKind::ReadFails);
    EXPECT_EQ(d230->faults[0].port, 2);
    EXPECT_EQ(d230->faults[1].kind, FaultKind::WriteReturns);
    EXPECT_EQ(d230->faults[1].value, 200);
    EXPECT_EQ(d230->pinnedInputs.at(1), 0x5Au);
    const CardSpec* virtualDevice = findCard(profile, "Virtual Device", 0);
    ASSERT_EQ(virtualDevice->faults.size(), 1u);
    EXPECT_EQ(virtualDevice->faults[0].kind, FaultKind::PropertyRefused);
    EXPECT_EQ(virtualDevice->faults[0].value, 53);
}

TEST(MachineProfile, ReportsEachBadLineWithFileAndLineAndKeepsTheRest) {
    std::string report;
    const auto profile = parse("card PCI-M610 0\n"                // 1 fine
                               "cards PCI-M610 1\n"               // 2 unknown directive
                               "card PCI-X999 0\n"                // 3 unknown device
                               "card PCI-D230 -1\n"               // 4 bad card number
                               "card PCI-M610 0\n"                // 5 installed twice
                               "card \"DAQ-E420 0\n"              // 6 quote not closed
                               "fault PCI-T310 0 start-fails\n"   // 7 card not installed
                               "fault PCI-M610 0 melts\n"         // 8 unknown fault
                               "fault PCI-M610 0 write-returns\n" // 9 value missing
                               "input PCI-M610 0 port x 1\n"      // 10 bad number
                               "card \"Virtual Device\" 0\n"      // 11 always installed
                               "card PCI-T310 0\n",               // 12 fine
                               &report);
    EXPECT_EQ(profile.problems, 10);
    for (int line = 2; line <= 11; ++line) {
        EXPECT_NE(report.find("rig.machine:" + std::to_string(line) + ": "), std::string::npos) << line;
    }
    EXPECT_EQ(report.find("rig.machine:1:"), std::string::npos);
    EXPECT_EQ(report.find("rig.machine:12:"), std::string::npos);
    EXPECT_NE(findCard(profile, "PCI-M610", 0), nullptr);
    EXPECT_NE(findCard(profile, "PCI-T310", 0), nullptr);
    EXPECT_EQ(findCard(profile, "PCI-D230", 0), nullptr);
    EXPECT_TRUE(findCard(profile, "PCI-M610", 0)->faults.empty());
}

TEST(MachineProfile, SurvivesBinaryAndEmptyText) {
    std::string report;
    EXPECT_EQ(parse("", &report).cards.size(), 1u);
    static const char kGarbage[] = "\x01\xff\x00\x7f\"card\n\x80\x81 PCI-M610\r\n";
    const std::string garbage(kGarbage, sizeof kGarbage - 1);
    const auto profile = parse(garbage, &report);
    EXPECT_EQ(profile.cards.size(), 1u);
    EXPECT_EQ(profile.problems, 2);
}

TEST(MachineProfile, MissingFileIsReportedAndGivesNothing) {
    std::ostringstream report;
    EXPECT_FALSE(readMachineProfile("/nonexistent/folder/rig.machine", report));
    EXPECT_NE(report.str().find("/nonexistent/folder/rig.machine"), std::string::npos);
}

} // namespace
} // namespace radezuvi
