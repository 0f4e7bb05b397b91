#include "revorur/shell/content_rules.h"

#include <gtest/gtest.h>

namespace doz::shell {

TEST(ContentRules, ModelRuleNamesThePageAfterTheModelNumber) {
    EXPECT_EQ(ModelPage("PCI-M610"), "M610.mht");
    EXPECT_EQ(ModelPage("PCI-M610: 0"), "M610.mht");
    EXPECT_EQ(ModelPage("DAQ-E420: 3"), "E420.mht");
    EXPECT_EQ(ModelPage("Uncategorized Modules"), "Unca.mht");
}

TEST(ContentRules, AllDevicePane) {
    EXPECT_EQ(AllDevicePage("Device Manager(All)"), "HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(AllDevicePage("Virtual Device"), "VirtualDevice.mht");
    EXPECT_EQ(AllDevicePage("Analog Output Modules"), "A120.mht");
    EXPECT_EQ(AllDevicePage("Digital I/O Modules"), "D210.mht");
    EXPECT_EQ(AllDevicePage("Digitizer Modules"), "S710.mht");
    EXPECT_EQ(AllDevicePage("Multifunction Modules"), "E430.mht");
    EXPECT_EQ(AllDevicePage("Simultaneous Modules"), "E410.mht");
    EXPECT_EQ(AllDevicePage("Timer/Counter Modules"), "T310.mht");
    EXPECT_EQ(AllDevicePage("GPIB Modules"), "G810.mht");
    EXPECT_EQ(AllDevicePage("Switch Modules"), "R910.mht");
    EXPECT_EQ(AllDevicePage("PCI-D230"), "D230.mht");
    // The uncategorized node shows the guide, which lists the cards without a family page.
    EXPECT_EQ(AllDevicePage("Uncategorized Modules"), "HW_SoftwareSelectionGuide.mht");
}

TEST(ContentRules, InstalledDevicePane) {
    EXPECT_EQ(InstalledDevicePage("Device Manager(Installed)"), "HW_SoftwareSelectionGuide.mht");
    for (const char* category : {"Analog Output Modules", "Digital I/O Modules", "Digitizer Modules",
                                 "GPIB Modules", "Multifunction Modules", "Simultaneous Modules",
                                 "Switch Modules", "Timer/Counter Modules", "Uncategorized Modules"})
        EXPECT_EQ(InstalledDevicePage(category), "HW_SoftwareSelectionGuide.mht") << category;
    EXPECT_EQ(InstalledDevicePage("Virtual Device"), "VirtualDevice.mht");
    EXPECT_EQ(InstalledDevicePage("PCI-M610: 1"), "M610.mht");
    EXPECT_EQ(InstalledDevicePage("PCI-T310: 0"), "T310.mht");
}

TEST(ContentRules, AliasPaneDecidesByRecordKind) {
    EXPECT_EQ(AliasDevicePage({0, "Device Manager(Alias)", 0, ""}), "HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(AliasDevicePage({1, "Analog Output Modules", 0, "Device Manager(Alias)"}),
              "HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(AliasDevicePage({1, "Switch Modules", 0, "Device Manager(Alias)"}),
              "HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(AliasDevicePage({1, "Uncategorized Modules", 0, "Device Manager(Alias)"}), "");
    EXPECT_EQ(AliasDevicePage({2, "PCI-M640: 2", 1, "Multifunction Modules"}), "M640.mht");
    EXPECT_EQ(AliasDevicePage({3, "Virtual Device", 0, "Device Manager(Alias)"}), "VirtualDevice.mht");
    EXPECT_EQ(AliasDevicePage({4, "Alias: Rig A", 2, "PCI-M640: 2"}), "M640.mht");
    EXPECT_EQ(AliasDevicePage({4, "Sub Type: M640HG", 2, "PCI-M640: 2"}), "M640.mht");
    EXPECT_EQ(AliasDevicePage({4, "Alias: Simulator", 3, "Virtual Device"}), "HW_SoftwareSelectionGuide.mht");
}

TEST(ContentRules, PagesLiveInTheContentFolderOfTheProgram) {
    EXPECT_EQ(ContentPath("/opt/dozazar", "M610.mht"), "/opt/dozazar/Content/M610.mht");
    EXPECT_EQ(ContentPath("/opt/dozazar", "SW_SoftwareProductPage.htm#Revorur"),
              "/opt/dozazar/Content/SW_SoftwareProductPage.htm#Revorur");
    EXPECT_EQ(ContentPath("/opt/dozazar", ""), "");
}

} // namespace doz::shell
