// The three device trees and their selections, built by the real composition from the engine
// on a test machine.

#include "device_manager_fixture.h"

#include "revorur/shell/content/content_pane.h"

#include <QPlainTextEdit>

namespace doz::devices::testing {
namespace {

const char* const categoryNames[] = {
    "Analog Output Modules", "Digital I/O Modules",   "Digitizer Modules",
    "GPIB Modules",          "Multifunction Modules", "Simultaneous Modules",
    "Switch Modules",        "Timer/Counter Modules", "Uncategorized Modules"};
constexpr const char* dragHint = "Drag the selected device item to subfunction button to launch";

class DeviceTreesTest : public DeviceManagerTest {
protected:
    // Root, "Virtual Device" and the nine categories with their pictures.
    void expectFrame(QTreeWidget* tree, const char* rootText) {
        ASSERT_EQ(tree->topLevelItemCount(), 1);
        QTreeWidgetItem* root = tree->topLevelItem(0);
        EXPECT_EQ(root->text(0), rootText);
        EXPECT_EQ(shell::NodePicture(root), 0);
        EXPECT_EQ(RecordOf(root).kind, RootNode);
        EXPECT_EQ(root->childCount(), 10);
        QTreeWidgetItem* virtualDevice = node(tree, "Virtual Device");
        ASSERT_NE(virtualDevice, nullptr);
        EXPECT_EQ(virtualDevice->parent(), root);
        EXPECT_EQ(shell::NodePicture(virtualDevice), 11);
        const NodeRecord v = RecordOf(virtualDevice);
        EXPECT_EQ(v.kind, VirtualDeviceNode);
        EXPECT_EQ(v.typeCode, 1);
        EXPECT_EQ(v.cardNumber, 0);
        const int pictures[] = {1, 2, 3, 4, 5, 6, 7, 8, 11};
        for (int c = 0; c < 9; ++c) {
            QTreeWidgetItem* cat = category(tree, categoryNames[c]);
            ASSERT_NE(cat, nullptr) << categoryNames[c];
            EXPECT_EQ(shell::NodePicture(cat), pictures[c]) << categoryNames[c];
            EXPECT_EQ(RecordOf(cat).kind, CategoryNode);
            EXPECT_EQ(RecordOf(cat).category, c);
        }
        EXPECT_TRUE(root->isExpanded()) << "collapsed to the first level";
        EXPECT_FALSE(category(tree, "Multifunction Modules")->isExpanded());
        EXPECT_EQ(tree->currentItem(), root) << "the build ends with the root selected";
    }
};

TEST_F(DeviceTreesTest, WithNoCardInstalledTheTreesHoldTheFrameAndTheAllTreeEveryDeviceAbsent) {
    registerStore();
    useMachine("# nothing but the virtual device\n");
    shell::TForm1& f = start();

    expectFrame(f.TreeView_InstalledDevice, "Device Manager(Installed)");
    expectFrame(f.TreeView_AllDevice, "Device Manager(All)");
    expectFrame(f.TreeView_DeviceAlias, "Device Manager(Alias)");
    for (const char* name : categoryNames) {
        EXPECT_EQ(category(f.TreeView_InstalledDevice, name)->childCount(), 0) << name;
        EXPECT_EQ(category(f.TreeView_DeviceAlias, name)->childCount(), 0) << name;
    }
    EXPECT_EQ(node(f.TreeView_InstalledDevice, "Virtual Device")->childCount(), 0);

    int listed = 0;
    for (int entry = 0; entry < f.DeviceEntryCount; ++entry) {
        int cards = 0;
        const char* name = GetTaskDeviceListFN(-1, entry, &cards);
        ASSERT_NE(name, nullptr);
        if (std::string(name) == "Virtual Device")
            continue;
        ++listed;
        QTreeWidgetItem* item = node(f.TreeView_AllDevice, name);
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(shell::NodePicture(item), 10) << name;
        EXPECT_EQ(RecordOf(item).kind, CardNode);
        EXPECT_EQ(RecordOf(item).cardNumber, -1);
    }
    EXPECT_GT(listed, 40) << "every device the engine lists";
    EXPECT_EQ(node(f.TreeView_AllDevice, "PCI-M610")->parent(),
              category(f.TreeView_AllDevice, "Multifunction Modules"));
    EXPECT_EQ(RecordOf(node(f.TreeView_AllDevice, "PCI-M610")).typeCode, 330);
    EXPECT_EQ(node(f.TreeView_AllDevice, "PCI-D236")->parent(),
              category(f.TreeView_AllDevice, "Uncategorized Modules"));
    EXPECT_EQ(node(f.TreeView_AllDevice, "PCI-D235")->parent(),
              category(f.TreeView_AllDevice, "Digital I/O Modules"));
    EXPECT_EQ(countOf(f.TreeView_AllDevice, "Virtual Device"), 1) << "the virtual device keeps its own node";
}

TEST_F(DeviceTreesTest, EveryInstalledCardIsANodeOfItsOwnUnderItsCategory) {
    registerStore();
    useMachine("card PCI-M610 0 1\ncard DAQ-E420 3\ncard PCI-D236 0\n");
    shell::TForm1& f = start();

    QTreeWidgetItem* multifunction = category(f.TreeView_InstalledDevice, "Multifunction Modules");
    QStringList cards = childTexts(multifunction);
    cards.sort();
    EXPECT_EQ(cards, QStringList({"PCI-M610: 0", "PCI-M610: 1"}));
    for (int number : {0, 1}) {
        QTreeWidgetItem* card = node(f.TreeView_InstalledDevice, QString("PCI-M610: %1").arg(number));
        EXPECT_EQ(shell::NodePicture(card), 9);
        const NodeRecord r = RecordOf(card);
        EXPECT_EQ(r.kind, CardNode);
        EXPECT_EQ(r.category, 4);
        EXPECT_EQ(r.typeCode, 330);
        EXPECT_EQ(r.cardNumber, number);
        EXPECT_EQ(r.driverCardType, 0);
    }
    QTreeWidgetItem* e420 = node(f.TreeView_InstalledDevice, "DAQ-E420: 3");
    ASSERT_NE(e420, nullptr);
    EXPECT_EQ(e420->parent(), category(f.TreeView_InstalledDevice, "Simultaneous Modules"));
    EXPECT_EQ(RecordOf(e420).typeCode, 1530);
    EXPECT_EQ(RecordOf(e420).driverCardType, 3) << "E420 is the driver's third E400 card type";
    EXPECT_EQ(node(f.TreeView_InstalledDevice, "PCI-D236: 0")->parent(),
              category(f.TreeView_InstalledDevice, "Uncategorized Modules"));

    // The engine lists the virtual device as an installed entry; it is no card of a category.
    for (QTreeWidget* tree : {f.TreeView_InstalledDevice, f.TreeView_DeviceAlias}) {
        EXPECT_EQ(countOf(tree, "Virtual Device: 0"), 0) << tree->objectName().toStdString();
        EXPECT_EQ(childTexts(category(tree, "Uncategorized Modules")), QStringList{"PCI-D236: 0"});
    }
    EXPECT_EQ(childTexts(category(f.TreeView_DeviceAlias, "Multifunction Modules")).size(), 2);

    EXPECT_EQ(shell::NodePicture(node(f.TreeView_AllDevice, "PCI-M610")), 9);
    EXPECT_EQ(shell::NodePicture(node(f.TreeView_AllDevice, "DAQ-E420")), 9);
    EXPECT_EQ(shell::NodePicture(node(f.TreeView_AllDevice, "PCI-M620")), 10);
}

TEST_F(DeviceTreesTest, AfterStartUpTheFunctionPanelShowsItsStartTexts) {
    registerStore();
    useMachine("card PCI-M610 0\ncard DAQ-E430 0\n");
    shell::TForm1& f = start();

    EXPECT_EQ(f.Edit_DevProduct->text(), "Device Manager(All)");
    EXPECT_EQ(f.Edit_DevDescription->text(), dragHint);
    EXPECT_EQ(f.Memo_DevTip->toPlainText(),
              "Adjusts the memory configuration for modules performing continuous AI, DI, and DO operations");
    EXPECT_FALSE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());
    EXPECT_EQ(shell::CurrentNotebookPage(f.Notebook_DeviceTree), "Page_InstalledDevice");
    EXPECT_TRUE(f.BitBtn_DeviceAlias->isEnabled());
}

TEST_F(DeviceTreesTest, InstalledSelectionsSetTheFunctionPanel) {
    registerStore();
    useMachine("card PCI-M610 0\ncard DAQ-E420 0\ncard PCI-D236 0\n");
    shell::TForm1& f = start();

    select(f.TreeView_InstalledDevice, "PCI-M610: 0");
    EXPECT_EQ(f.Edit_DevProduct->text(), "PCI-M610: 0");
    EXPECT_EQ(f.Edit_DevDescription->text(), "16-CH 12/16-Bit 100 kS/s Low-Cost Multi-Function DAQ Cards");
    EXPECT_TRUE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());
    EXPECT_TRUE(f.CppWebBrowser_InstalledDevice->currentTarget().endsWith("/Content/M610.mht"))
        << f.CppWebBrowser_InstalledDevice->currentTarget().toStdString();

    select(f.TreeView_InstalledDevice, "DAQ-E420: 0");
    EXPECT_EQ(f.Edit_DevDescription->text(),
              "4-CH 16-Bit 2 MS/s Simultaneous-Sampling Multi-Function PXI Module");
    EXPECT_TRUE(functionsEnabled());
    EXPECT_TRUE(calibrationEnabled());

    select(f.TreeView_InstalledDevice, "Virtual Device");
    EXPECT_EQ(f.Edit_DevDescription->text(), dragHint);
    EXPECT_TRUE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());
    EXPECT_TRUE(f.CppWebBrowser_InstalledDevice->currentTarget().endsWith("/Content/VirtualDevice.mht"));

    select(f.TreeView_InstalledDevice, "PCI-D236: 0");
    EXPECT_EQ(f.Edit_DevDescription->text(), "") << "no description for an uncategorized card";
    EXPECT_FALSE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());

    select(f.TreeView_InstalledDevice, "DAQ-E420: 0");
    select(f.TreeView_InstalledDevice, "Digital I/O Modules");
    EXPECT_EQ(f.Edit_DevProduct->text(), "Digital I/O Modules");
    EXPECT_EQ(f.Edit_DevDescription->text(), dragHint);
    EXPECT_FALSE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());
}

TEST_F(DeviceTreesTest, AllTreeSelectionDisablesTheFunctionsAndLeavesCalibrationAsItWas) {
    registerStore();
    useMachine("card DAQ-E420 0\ncard PCI-M610 0\n");
    shell::TForm1& f = start();

    select(f.TreeView_InstalledDevice, "DAQ-E420: 0");
    ASSERT_TRUE(calibrationEnabled());
    select(f.TreeView_AllDevice, "PCI-M640");
    EXPECT_EQ(f.Edit_DevProduct->text(), "PCI-M640");
    EXPECT_EQ(f.Edit_DevDescription->text(), "32-CH 16-Bit 250 kS/s Multi-Function DAQ Card");
    EXPECT_FALSE(functionsEnabled());
    EXPECT_TRUE(calibrationEnabled()) << "the All tree leaves calibration alone";
    EXPECT_TRUE(f.CppWebBrowser_AllDevice->currentTarget().endsWith("/Content/M640.mht"));

    select(f.TreeView_AllDevice, "Multifunction Modules");
    EXPECT_EQ(f.Edit_DevDescription->text(), "");
    EXPECT_TRUE(calibrationEnabled());
    EXPECT_TRUE(f.CppWebBrowser_AllDevice->currentTarget().endsWith("/Content/E430.mht"));

    select(f.TreeView_InstalledDevice, "PCI-M610: 0");
    ASSERT_FALSE(calibrationEnabled());
    select(f.TreeView_AllDevice, "DAQ-E420");
    EXPECT_FALSE(calibrationEnabled()) << "an E400 device of the All tree does not switch calibration on";
}

TEST_F(DeviceTreesTest, AliasTreeSelectionsNeverEnableTheFunctions) {
    registerStore();
    useMachine("card PCI-M610 0\n");
    shell::TForm1& f = start();

    select(f.TreeView_InstalledDevice, "PCI-M610: 0");
    ASSERT_TRUE(functionsEnabled());
    select(f.TreeView_DeviceAlias, "PCI-M610: 0");
    EXPECT_EQ(f.Edit_DevDescription->text(), "16-CH 12/16-Bit 100 kS/s Low-Cost Multi-Function DAQ Cards");
    EXPECT_FALSE(functionsEnabled());
    EXPECT_FALSE(calibrationEnabled());
    EXPECT_TRUE(f.CppWebBrowser_DeviceAlias->currentTarget().endsWith("/Content/M610.mht"));

    select(f.TreeView_DeviceAlias, "Virtual Device");
    EXPECT_EQ(f.Edit_DevDescription->text(), "Virtual Device");
    select(f.TreeView_DeviceAlias, "Uncategorized Modules");
    EXPECT_EQ(f.Edit_DevDescription->text(), dragHint);
    EXPECT_FALSE(functionsEnabled());
}

} // namespace
} // namespace doz::devices::testing
