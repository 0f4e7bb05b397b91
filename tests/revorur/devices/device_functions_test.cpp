// The device functions on the real main window: which panel opens with what, the sub-type
// dialogs in front of group cards, configuration and calibration.

#include "device_manager_fixture.h"

#include "revorur/devices/panel_openers.h"

#include <QComboBox>
#include <QDialog>
#include <QToolButton>

#include <optional>

namespace doz::devices::testing {
namespace {

using catalogue::PanelKind;
using Call = ui::testing::DialogCall;

struct Opened {
    PanelKind kind;
    PanelRequest request;
};
std::vector<Opened> opened;

template <PanelKind K> void record(const PanelRequest& request) {
    opened.push_back({K, request});
}
void recordCalibration(const PanelRequest& request) {
    opened.push_back({PanelKind::None, request});
}

class DeviceFunctionsTest : public DeviceManagerTest {
protected:
    void SetUp() override {
        DeviceManagerTest::SetUp();
        opened.clear();
        registerStore();
    }

    // Answers the next modal dialog by choosing `item` in its sub-type list, or by closing it.
    void answerSubType(std::optional<QString> item) {
        dialogs.modalScripts.push_back([item](QDialog* dialog) {
            if (!item)
                return int(QDialog::Rejected);
            auto* box = dialog->findChild<QComboBox*>("ComboBox_SubType");
            EXPECT_NE(box, nullptr);
            if (!box)
                return int(QDialog::Rejected);
            subTypeItems = QStringList();
            for (int i = 0; i < box->count(); ++i)
                subTypeItems << box->itemText(i);
            box->setCurrentIndex(box->findText(*item));
            return int(QDialog::Accepted);
        });
    }
    void testPanel() { form().RunFunction("BitBtn_DevTestPanel"); }

    static inline QStringList subTypeItems;
    ScopedPanelOpener generic{PanelKind::Generic, record<PanelKind::Generic>};
    ScopedPanelOpener virtualDevice{PanelKind::VirtualDevice, record<PanelKind::VirtualDevice>};
    ScopedPanelOpener mxxx{PanelKind::Mxxx, record<PanelKind::Mxxx>};
    ScopedPanelOpener axxx{PanelKind::Axxx, record<PanelKind::Axxx>};
    ScopedPanelOpener dxxx{PanelKind::Dxxx, record<PanelKind::Dxxx>};
    ScopedPanelOpener d210{PanelKind::D210, record<PanelKind::D210>};
    ScopedPanelOpener calibration{recordCalibration};
};

TEST_F(DeviceFunctionsTest, DroppingAnM610OnTestPanelAsksForTheSubTypeFirst) {
    useMachine("card PCI-M610 0 1\n");
    shell::TForm1& f = start();
    select(f.TreeView_InstalledDevice, "PCI-M610: 1");
    ASSERT_TRUE(functionsEnabled());

    answerSubType("M610HR");
    ASSERT_TRUE(dropOn("BitBtn_DevTestPanel", "TreeView_InstalledDevice"));
    const auto runs = dialogs.callsOf(Call::Kind::RunModal);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].title, "M610");
    EXPECT_EQ(subTypeItems, QStringList({"M610DG", "M610HR"}));
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].kind, PanelKind::Mxxx);
    EXPECT_EQ(opened[0].request.typeCode, 340);
    EXPECT_EQ(opened[0].request.cardNumber, 1);
    EXPECT_EQ(opened[0].request.caption, "PCI-M610: 1 Test Panel");
    EXPECT_TRUE(opened[0].request.placed);
    EXPECT_EQ(opened[0].request.owner, &f);

    answerSubType(std::nullopt);
    testPanel();
    EXPECT_EQ(dialogs.count(Call::Kind::RunModal), 2u);
    EXPECT_EQ(opened.size(), 1u) << "a sub-type dialog closed without OK opens nothing";
}

TEST_F(DeviceFunctionsTest, TheChosenSubTypeDecidesWhateverTheEngineReported) {
    useMachine("card PCI-M640 2\ncard PCI-S720 0\n");
    shell::TForm1& f = start();
    select(f.TreeView_InstalledDevice, "PCI-M640: 2");
    ASSERT_EQ(RecordOf(f.TreeView_InstalledDevice->currentItem()).typeCode, 370);

    answerSubType("M640A-DG");
    testPanel();
    EXPECT_EQ(dialogs.callsOf(Call::Kind::RunModal).at(0).title, "Select the sub type");
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].kind, PanelKind::Mxxx);
    EXPECT_EQ(opened[0].request.typeCode, 390);
    EXPECT_EQ(opened[0].request.cardNumber, 2);

    select(f.TreeView_InstalledDevice, "PCI-S720: 0");
    answerSubType("S710");
    testPanel();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].request.typeCode, 460);
    EXPECT_FALSE(opened[1].request.placed) << "the S720-group panel opens at its own position";
}

TEST_F(DeviceFunctionsTest, PanelsWithoutSubTypeGetTheirCardsCode) {
    useMachine("card DAQ-E420 0\ncard PCI-D235 4\ncard PCI-D210 0\ncard cPCI-D237 0\n");
    shell::TForm1& f = start();

    select(f.TreeView_InstalledDevice, "DAQ-E420: 0");
    testPanel();
    select(f.TreeView_InstalledDevice, "PCI-D235: 4");
    testPanel();
    select(f.TreeView_InstalledDevice, "PCI-D210: 0");
    testPanel();
    select(f.TreeView_InstalledDevice, "Virtual Device");
    testPanel();
    ASSERT_EQ(opened.size(), 4u);
    EXPECT_EQ(opened[0].kind, PanelKind::Generic);
    EXPECT_EQ(opened[0].request.typeCode, 1530);
    EXPECT_EQ(opened[0].request.caption, "DAQ-E420: 0 Test Panel");
    EXPECT_EQ(opened[1].kind, PanelKind::Dxxx);
    EXPECT_EQ(opened[1].request.typeCode, 150) << "the D235 opens with the record of code 150";
    EXPECT_EQ(opened[1].request.cardNumber, 4);
    EXPECT_EQ(opened[2].kind, PanelKind::D210);
    EXPECT_EQ(opened[2].request.typeCode, 60);
    EXPECT_EQ(opened[3].kind, PanelKind::VirtualDevice);
    EXPECT_EQ(opened[3].request.typeCode, 1);
    EXPECT_EQ(opened[3].request.cardNumber, 0);
    EXPECT_TRUE(opened[3].request.placed);
    EXPECT_EQ(dialogs.count(Call::Kind::RunModal), 0u) << "no sub-type dialog for these cards";

    select(f.TreeView_InstalledDevice, "cPCI-D237: 0");
    testPanel();
    select(f.TreeView_InstalledDevice, "Digital I/O Modules");
    testPanel();
    f.RunFunction("BitBtn_DevCalibration");
    EXPECT_EQ(opened.size(), 4u) << "no panel for code 160, nothing for a category";
}

TEST_F(DeviceFunctionsTest, TheAllViewActsOnTheInstalledSelection) {
    useMachine("card PCI-D230 0\ncard DAQ-E420 0\n");
    shell::TForm1& f = start();
    select(f.TreeView_InstalledDevice, "PCI-D230: 0");
    f.BitBtn_AllDevice->click();
    ASSERT_EQ(shell::CurrentNotebookPage(f.Notebook_DeviceTree), "Page_AllDevice");
    f.TreeView_AllDevice->setCurrentItem(node(f.TreeView_AllDevice, "DAQ-E420"));

    testPanel();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].kind, PanelKind::Dxxx);
    EXPECT_EQ(opened[0].request.typeCode, 120);
    EXPECT_EQ(opened[0].request.caption, "PCI-D230: 0 Test Panel");
}

TEST_F(DeviceFunctionsTest, CalibrationOpensForE400CardsWithTheirDriverCardType) {
    useMachine("card DAQ-E445 1\ncard PCI-M610 0\n");
    shell::TForm1& f = start();

    select(f.TreeView_InstalledDevice, "PCI-M610: 0");
    f.RunFunction("BitBtn_DevCalibration");
    EXPECT_TRUE(opened.empty()) << "no calibration outside the E400 series";

    select(f.TreeView_InstalledDevice, "DAQ-E445: 1");
    f.PopupMenu_Device->findChild<QAction*>("PopupDevice_Calibration")->trigger();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].kind, PanelKind::None);
    EXPECT_EQ(opened[0].request.typeCode, 1580);
    EXPECT_EQ(opened[0].request.cardNumber, 1);
    EXPECT_EQ(opened[0].request.driverCardType, 8);
    EXPECT_EQ(opened[0].request.caption, "DAQ-E445: 1 Calibration");
    EXPECT_TRUE(opened[0].request.placed);
}

TEST_F(DeviceFunctionsTest, ConfigurationStartsTheToolByNameAndIsSilentWhenItIsMissing) {
    useMachine("card PCI-M610 0\n");
    shell::TForm1& f = start();
    select(f.TreeView_InstalledDevice, "PCI-M610: 0");
    launcher.succeeds = false;

    ASSERT_TRUE(dropOn("BitBtn_DevConfiguration", "TreeView_InstalledDevice"));
    ASSERT_EQ(launcher.requests.size(), 1u);
    EXPECT_EQ(launcher.requests[0].program, "Deradiz.exe");
    EXPECT_TRUE(launcher.requests[0].arguments.empty());
    EXPECT_TRUE(dialogs.calls.empty()) << "a missing tool is not reported";
}

} // namespace
} // namespace doz::devices::testing
