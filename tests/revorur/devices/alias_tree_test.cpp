// The Alias tree and its pop-up menu, over an alias library held in memory, and the device
// trees under an engine that reports vacant entries and bad card numbers.

#include "device_manager_fixture.h"
#include "fake_alias_api.h"

#include "revorur/devices/panel_openers.h"

#include <QAction>

#include <cstdio>
#include <map>

namespace doz::devices::testing {
namespace {

class AliasTreeTest : public DeviceManagerTest {
protected:
    void SetUp() override {
        DeviceManagerTest::SetUp();
        fakeAliases().clear();
        registerStore();
    }
    QTreeWidget* tree() { return form().TreeView_DeviceAlias; }

    // The menu a right-click on the node opens: {shown, add, edit, delete}.
    std::vector<bool> menuOn(const QString& text) {
        QTreeWidgetItem* item = node(tree(), text);
        EXPECT_NE(item, nullptr) << text.toStdString();
        if (!item)
            return {};
        popups.clear();
        tree()->setCurrentItem(item);
        form().hooks.aliasTreeMenu(item, QPoint(1, 1));
        const auto enabled = [this](const char* name) {
            return form().PopupMenu_DeviceAlias->findChild<QAction*>(QLatin1String(name))->isEnabled();
        };
        if (popups.empty())
            return {false};
        EXPECT_EQ(popups, std::vector<QString>{"PopupMenu_DeviceAlias"});
        return {true, enabled("PopupAlias_Add"), enabled("PopupAlias_Edit"), enabled("PopupAlias_Delete")};
    }
};

TEST_F(AliasTreeTest, AnAliasOfAnAbsentSubTypeShowsUnderTheGroupHead) {
    useMachine("card PCI-M640 0\n");
    fakeAliases() = {{"Shaker", 380, 2}, {"Loop", 340, 5}};
    startWith(FakeAliasApi());

    QTreeWidgetItem* card = node(tree(), "PCI-M640: 2");
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->parent(), category(tree(), "Multifunction Modules"));
    EXPECT_EQ(RecordOf(card).typeCode, 370) << "the group head's code";
    EXPECT_EQ(RecordOf(card).cardNumber, 2);
    EXPECT_EQ(shell::NodePicture(card), 9) << "another card of the entry is installed";
    EXPECT_EQ(childTexts(card), QStringList({"Alias: Shaker", "Sub Type: M640HG"}));
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(shell::NodePicture(card->child(i)), 12);
        const NodeRecord info = RecordOf(card->child(i));
        EXPECT_EQ(info.kind, AliasInfoNode);
        EXPECT_EQ(info.typeCode, 370);
        EXPECT_EQ(info.cardNumber, 2);
    }
    EXPECT_EQ(childTexts(node(tree(), "PCI-M640: 0")), QStringList()) << "the installed card has no alias";

    QTreeWidgetItem* m610 = node(tree(), "PCI-M610: 5");
    ASSERT_NE(m610, nullptr);
    EXPECT_EQ(shell::NodePicture(m610), 10) << "no card of the entry is installed";
    EXPECT_EQ(childTexts(m610), QStringList({"Alias: Loop", "Sub Type: M610HR"}));
}

TEST_F(AliasTreeTest, InstalledCardsShowTheirAliasAndTheVirtualDeviceItsOwn) {
    useMachine("card PCI-S720 0\ncard DAQ-E420 0\n");
    fakeAliases() = {{"Scope", 480, 0}, {"Bench", 1530, 0}, {"Sim", 1, 0}};
    startWith(FakeAliasApi());

    EXPECT_EQ(childTexts(node(tree(), "PCI-S720: 0")), QStringList({"Alias: Scope", "Sub Type: S720A"}));
    EXPECT_EQ(childTexts(node(tree(), "DAQ-E420: 0")), QStringList({"Alias: Bench"}));
    QTreeWidgetItem* virtualDevice = node(tree(), "Virtual Device");
    EXPECT_EQ(childTexts(virtualDevice), QStringList({"Alias: Sim"}));
    EXPECT_EQ(RecordOf(virtualDevice->child(0)).typeCode, 1);
    EXPECT_EQ(countOf(tree(), "PCI-S720: 0"), 1) << "an installed card's alias adds no second node";
}

TEST_F(AliasTreeTest, AnAbsentCardWithTwoAliasesHasOneNodeAndAnUnknownTypeStillShows) {
    useMachine("# virtual device only\n");
    fakeAliases() = {{"First", 370, 3}, {"Second", 390, 3}, {"Ghost", 9990, 1}};
    startWith(FakeAliasApi());

    EXPECT_EQ(countOf(tree(), "PCI-M640: 3"), 1);
    QTreeWidgetItem* ghost = node(tree(), "Unknown Device 9990: 1");
    ASSERT_NE(ghost, nullptr);
    EXPECT_EQ(ghost->parent(), category(tree(), "Uncategorized Modules"));
    EXPECT_EQ(shell::NodePicture(ghost), 10);
    EXPECT_EQ(childTexts(ghost), QStringList({"Alias: Ghost"}));

    EXPECT_EQ(menuOn("Unknown Device 9990: 1"), std::vector<bool>({true, false, false, true}));
    form().PopupMenu_DeviceAlias->findChild<QAction*>("PopupAlias_Delete")->trigger();
    EXPECT_EQ(node(tree(), "Unknown Device 9990: 1"), nullptr) << "its alias can be deleted";
    EXPECT_EQ(fakeAliases().size(), 2u);
}

TEST_F(AliasTreeTest, ThePopUpMenuFollowsTheNodesRecordNotItsPicture) {
    useMachine("card PCI-M640 0\ncard PCI-S720 0\n");
    fakeAliases() = {{"Shaker", 380, 2}, {"Scope", 470, 0}, {"Gone", 1560, 4}};
    startWith(FakeAliasApi());

    const std::vector<bool> addOnly{true, true, false, false}, editOrDelete{true, false, true, true},
        deleteOnly{true, false, false, true}, none{false};
    EXPECT_EQ(menuOn("PCI-M640: 0"), addOnly);
    EXPECT_EQ(menuOn("PCI-S720: 0"), editOrDelete);
    EXPECT_EQ(menuOn("Alias: Scope"), editOrDelete);
    EXPECT_EQ(menuOn("Sub Type: S720"), editOrDelete);
    EXPECT_EQ(menuOn("PCI-M640: 2"), deleteOnly) << "shows picture 9, but the card is not installed";
    EXPECT_EQ(menuOn("DAQ-E435: 4"), deleteOnly);
    EXPECT_EQ(menuOn("Virtual Device"), addOnly);
    EXPECT_EQ(menuOn("Uncategorized Modules"), none) << "the virtual device's picture, but a category";
    EXPECT_EQ(menuOn("Multifunction Modules"), none);
    EXPECT_EQ(menuOn("Device Manager(Alias)"), none);
}

TEST_F(AliasTreeTest, DeleteRemovesTheCardsAliasUnderAnyCodeOfItsGroupAndRebuildsExpanded) {
    useMachine("card PCI-M640 0\n");
    fakeAliases() = {{"Rig", 390, 0}, {"Shaker", 380, 2}};
    startWith(FakeAliasApi());

    menuOn("PCI-M640: 0");
    form().PopupMenu_DeviceAlias->findChild<QAction*>("PopupAlias_Delete")->trigger();
    ASSERT_EQ(fakeAliases().size(), 1u);
    EXPECT_EQ(fakeAliases()[0].alias, "Shaker");
    EXPECT_EQ(childTexts(node(tree(), "PCI-M640: 0")), QStringList());
    for (QTreeWidgetItemIterator it(tree()); *it; ++it)
        EXPECT_TRUE((*it)->childCount() == 0 || (*it)->isExpanded()) << (*it)->text(0).toStdString();
    EXPECT_EQ(form().Edit_DevProduct->text(), "Device Manager(Alias)") << "the panel shows the new selection";

    menuOn("Sub Type: M640HG");
    form().PopupMenu_DeviceAlias->findChild<QAction*>("PopupAlias_Delete")->trigger();
    EXPECT_TRUE(fakeAliases().empty());
    EXPECT_EQ(node(tree(), "PCI-M640: 2"), nullptr) << "without its alias the absent card is gone";
}

using catalogue::PanelKind;
int openedPanels = 0;
void countPanel(const PanelRequest&) {
    ++openedPanels;
}

TEST_F(AliasTreeTest, DeviceFunctionsOnAnAbsentCardOfTheAliasViewDoNothing) {
    useMachine("card PCI-M640 0\ncard DAQ-E420 0\n");
    fakeAliases() = {{"Shaker", 380, 2}, {"Old", 1530, 7}};
    shell::TForm1& f = startWith(FakeAliasApi());
    ScopedPanelOpener mxxx(PanelKind::Mxxx, countPanel);
    ScopedPanelOpener generic(PanelKind::Generic, countPanel);
    ScopedPanelOpener calibration(countPanel);
    openedPanels = 0;
    f.BitBtn_DeviceAlias->click();
    ASSERT_EQ(shell::CurrentNotebookPage(f.Notebook_DeviceTree), "Page_DeviceAlias");

    for (const char* absent : {"PCI-M640: 2", "DAQ-E420: 7"}) {
        select(tree(), absent);
        f.RunFunction("BitBtn_DevTestPanel");
        f.RunFunction("BitBtn_DevCalibration");
    }
    EXPECT_EQ(dialogs.count(ui::testing::DialogCall::Kind::RunModal), 0u) << "no sub-type dialog either";
    EXPECT_EQ(openedPanels, 0);

    select(tree(), "DAQ-E420: 0");
    f.RunFunction("BitBtn_DevTestPanel");
    f.RunFunction("BitBtn_DevCalibration");
    EXPECT_EQ(openedPanels, 2) << "an installed card of the Alias view is acted on";
}

TEST_F(AliasTreeTest, WithoutTheAliasLibraryTheAliasViewIsOff) {
    useMachine("card PCI-M610 0\n");
    static const AliasApi missing{};
    shell::TForm1& f = startWith(missing);

    EXPECT_FALSE(f.BitBtn_DeviceAlias->isEnabled());
    EXPECT_NE(node(tree(), "PCI-M610: 0"), nullptr) << "the cards still show";
    EXPECT_EQ(menuOn("PCI-M610: 0"), std::vector<bool>{false});
    f.RunFunction("PopupAlias_Add");
    f.RunFunction("PopupAlias_Delete");
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(AliasTreeTest, WithoutTheStoreFolderInTheRegistryTheAliasViewIsOff) {
    registry_.writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Dozazar\\Radezuvi\\CurrentVersion]\n"
                        "\"Task Folder\"=\"" +
                        (dir_ / "Tasks").string() + "\"\n");
    useMachine("card PCI-M610 0\n");
    shell::TForm1& f = startWith(FakeAliasApi());
    EXPECT_FALSE(f.BitBtn_DeviceAlias->isEnabled());
    EXPECT_EQ(f.AliasIniPath, (dir_ / "Task Manager" / "DeviceName.ini").string());
}

// An engine whose list holds a vacant entry, an empty name and a card with a negative number.
struct OddEntry {
    const char* name;
    int typeCode;
    std::vector<int32_t> cards;
};
const std::vector<OddEntry> oddEngine = {
    {"Virtual Device", 1, {0}}, {nullptr, 0, {3, 4}}, {"PCI-M610", 330, {-7, 1}}, {"", 0, {0}}};

int32_t oddInfo(int32_t, int32_t, int32_t, int32_t, char* buffer, int32_t size) {
    return std::snprintf(buffer, static_cast<std::size_t>(size), "%zu", oddEngine.size());
}
const char* oddList(int32_t, int32_t entry, int32_t* count) {
    *count = static_cast<int32_t>(oddEngine.at(static_cast<std::size_t>(entry)).cards.size());
    return oddEngine[static_cast<std::size_t>(entry)].name;
}
int32_t oddCard(int32_t entry, int32_t card) {
    return oddEngine.at(static_cast<std::size_t>(entry)).cards.at(static_cast<std::size_t>(card));
}
int32_t oddIndexOfName(const char* name, int32_t) {
    for (std::size_t j = 0; j < oddEngine.size(); ++j)
        if (oddEngine[j].name && std::string(oddEngine[j].name) == name)
            return static_cast<int32_t>(j);
    return -10;
}
int32_t oddTypeOfIndex(int32_t entry) {
    return oddEngine.at(static_cast<std::size_t>(entry)).typeCode;
}
int32_t oddIndexOfType(int32_t typeCode) {
    return typeCode == 330 ? 2 : -10;
}

TEST_F(AliasTreeTest, VacantEntriesAndNegativeCardNumbersMakeNoNode) {
    static const EngineDeviceApi odd{oddInfo,        oddList,        oddCard,
                                     oddIndexOfName, oddTypeOfIndex, oddIndexOfType};
    fakeAliases() = {{"Neg", 330, -7}};
    shell::TForm1& f = startWith(FakeAliasApi(), odd);

    ASSERT_EQ(f.DeviceEntryCount, 4);
    for (QTreeWidget* t : {f.TreeView_InstalledDevice, f.TreeView_DeviceAlias}) {
        EXPECT_EQ(childTexts(category(t, "Multifunction Modules")), QStringList({"PCI-M610: 1"}))
            << t->objectName().toStdString();
        EXPECT_EQ(childTexts(category(t, "Uncategorized Modules")), QStringList())
            << t->objectName().toStdString();
    }
    EXPECT_EQ(childTexts(category(f.TreeView_AllDevice, "Multifunction Modules")), QStringList({"PCI-M610"}));
    EXPECT_EQ(childTexts(category(f.TreeView_AllDevice, "Uncategorized Modules")), QStringList());
}

} // namespace
} // namespace doz::devices::testing
