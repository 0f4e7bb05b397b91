// The device list as the device manager walks it: entry count through the info string, names
// and installed cards per entry, and the name <-> entry <-> type code round trips.
#include "engine_test_support.h"

#include "tests/support/machine_profile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace radezuvi::test {
namespace {

class DeviceList : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(profile_.useFile(doz::test::ScopedMachineProfile::demoProfile()), 0); }

    doz::test::ScopedMachineProfile profile_;

    static int entryCount() {
        char text[10] = {};
        GetZizevDeviceInfoStringFN(0, 0, 0, -1, text, 10);
        return std::atoi(text);
    }

    static int typeCodeOfDevice(const char* name) {
        return GetAllDeviceTypeFromDeviceIndexFN(GetDeviceIndexFromNameFN(name, 1));
    }

    static std::string modelText(const std::string& name) {
        const auto dash = name.find('-');
        return dash == std::string::npos ? name.substr(0, 4) : name.substr(dash + 1, 4);
    }

    // As the device manager decides whether a card of a type code and number is installed.
    static bool isCardInstalled(int typeCode, int cardNumber) {
        for (int j = 0; j < entryCount(); ++j) {
            int count = 0;
            const char* name = GetTaskDeviceListFN(-1, j, &count);
            if (!name || !*name || count < 1 || typeCodeOfDevice(name) != typeCode) {
                continue;
            }
            for (int i = 0; i < count; ++i) {
                if (GetInstalledCardIDFN(j, i) == cardNumber) {
                    return true;
                }
            }
        }
        return false;
    }
};

TEST_F(DeviceList, EveryEntryRoundTripsThroughNameAndTypeCode) {
    const int entries = entryCount();
    ASSERT_GT(entries, 0);
    for (int j = 0; j < entries; ++j) {
        int count = -1;
        const char* name = GetTaskDeviceListFN(-1, j, &count);
        ASSERT_NE(name, nullptr) << "entry " << j;
        ASSERT_NE(*name, '\0') << "entry " << j;
        EXPECT_GE(count, 0);
        EXPECT_EQ(GetDeviceIndexFromNameFN(name, 1), j) << name;
        EXPECT_EQ(GetDeviceIndexFromAllDeviceTypeIDFN(typeCodeOfDevice(name)), j) << name;
    }
    int count = -1;
    EXPECT_EQ(GetTaskDeviceListFN(-1, entries, &count), nullptr);
    EXPECT_EQ(count, 0);
}

TEST_F(DeviceList, InfoStringIsTheEntryCountAndNamesEntries) {
    char text[10] = {};
    const int length = GetZizevDeviceInfoStringFN(0, 0, 0, -1, text, 10);
    EXPECT_EQ(length, static_cast<int>(std::string(text).size()));
    char name[32] = {};
    GetZizevDeviceInfoStringFN(0, 0, 0, GetDeviceIndexFromNameFN("PCI-M610", 1), name, sizeof name);
    EXPECT_STREQ(name, "PCI-M610");
    char tiny[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(GetZizevDeviceInfoStringFN(0, 0, 0, GetDeviceIndexFromNameFN("PCI-M610", 1), tiny, 4), 3);
    EXPECT_STREQ(tiny, "PCI");
    EXPECT_LT(GetZizevDeviceInfoStringFN(0, 0, 0, -1, nullptr, 10), 0);
    EXPECT_LT(GetZizevDeviceInfoStringFN(0, 0, 0, entryCount(), text, 10), 0);
}

TEST_F(DeviceList, VirtualDeviceIsOneEntryWithCardZero) {
    const int entry = GetDeviceIndexFromAllDeviceTypeIDFN(1);
    ASSERT_GE(entry, 0);
    int count = 0;
    const std::string name = GetTaskDeviceListFN(-1, entry, &count);
    EXPECT_EQ(modelText(name), "Virt");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(GetInstalledCardIDFN(entry, 0), 0);
}

TEST_F(DeviceList, EveryCatalogueTypeCodeHasAnEntry) {
    const int codes[] = {1,    10,   20,   30,   40,   50,   60,   80,   90,   100,  110, 120,  130,
                         140,  150,  160,  170,  180,  190,  200,  210,  220,  230,  240, 250,  260,
                         270,  280,  290,  300,  310,  320,  330,  340,  350,  360,  370, 380,  390,
                         400,  410,  420,  430,  440,  450,  460,  470,  480,  500,  501, 1000, 1510,
                         1520, 1530, 1540, 1550, 1560, 1570, 1580, 1590, 1600, 1610, 1620};
    for (const int code : codes) {
        EXPECT_GE(GetDeviceIndexFromAllDeviceTypeIDFN(code), 0) << code;
    }
    EXPECT_LT(GetDeviceIndexFromAllDeviceTypeIDFN(15), 0);
    EXPECT_LT(GetDeviceIndexFromNameFN("PCI-X999", 1), 0);
    EXPECT_LT(GetDeviceIndexFromNameFN(nullptr, 1), 0);
}

TEST_F(DeviceList, SubTypeGroupsAreOneEntryUnderTheHeadCode) {
    const struct {
        int head;
        std::vector<int> members;
    } groups[] = {{10, {20, 30}},         {40, {50}},        {330, {340}},
                  {370, {380, 390, 400}}, {420, {430, 440}}, {470, {460, 480}}};
    for (const auto& group : groups) {
        const int entry = GetDeviceIndexFromAllDeviceTypeIDFN(group.head);
        EXPECT_EQ(GetAllDeviceTypeFromDeviceIndexFN(entry), group.head);
        for (const int member : group.members) {
            EXPECT_EQ(GetDeviceIndexFromAllDeviceTypeIDFN(member), entry) << member;
        }
    }
    EXPECT_EQ(typeCodeOfDevice("PCI-M610"), 330);
    EXPECT_EQ(typeCodeOfDevice("DAQ-E420"), 1530);
}

TEST_F(DeviceList, DemoMachineHasTwoM610CardsAndEveryPanelFamily) {
    int count = 0;
    const int m610 = GetDeviceIndexFromNameFN("PCI-M610", 1);
    GetTaskDeviceListFN(-1, m610, &count);
    ASSERT_EQ(count, 2);
    EXPECT_EQ(GetInstalledCardIDFN(m610, 0), 0);
    EXPECT_EQ(GetInstalledCardIDFN(m610, 1), 1);
    EXPECT_LT(GetInstalledCardIDFN(m610, 2), 0);
    // Generic E400, Axxx, A110, Mxxx, M680, D210, D260, Dxxx, T310, S720 group, digitizer.
    for (const int code : {1530, 10, 500, 330, 501, 60, 240, 120, 320, 470, 1000}) {
        EXPECT_TRUE(isCardInstalled(code, 0)) << code;
    }
    EXPECT_FALSE(isCardInstalled(330, 2));
    EXPECT_FALSE(isCardInstalled(1620, 0));
}

} // namespace
} // namespace radezuvi::test
