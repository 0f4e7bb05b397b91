// The alias commands through the real composition, the real alias library and a store in a
// temporary folder: Add, Edit and the dialogs' OK and Cancel as a user runs them.

#include "device_manager_fixture.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>

#include <functional>

namespace doz::devices::testing {
namespace {

class AliasCommandsTest : public DeviceManagerTest {
protected:
    void SetUp() override {
        DeviceManagerTest::SetUp();
        registerStore();
    }
    QTreeWidget* tree() { return form().TreeView_DeviceAlias; }

    // Runs an alias command on a node; `fill` plays the user in the dialog, then OK is pressed
    // (and Cancel when the dialog is still open after OK).
    void command(const QString& nodeText, const char* action, std::function<void(QDialog*)> fill) {
        select(tree(), nodeText);
        dialogs.modalScripts.push_back([fill](QDialog* dialog) {
            fill(dialog);
            dialog->findChild<QPushButton*>("Button_OK")->click();
            if (dialog->isVisible() || dialog->result() != QDialog::Accepted)
                dialog->findChild<QPushButton*>("Button_Cancel")->click();
            return dialog->result();
        });
        form().PopupMenu_DeviceAlias->findChild<QAction*>(QLatin1String(action))->trigger();
    }
    static QLineEdit* aliasBox(QDialog* dialog) { return dialog->findChild<QLineEdit*>("Edit_Alias"); }
    std::string storedAlias(int typeCode, int cardNumber) {
        return AliasOf(LoadedAliasApi(), storePath(), typeCode, cardNumber).value_or("");
    }
};

TEST_F(AliasCommandsTest, AddEditAgainAndEmptyAGroupCardsAlias) {
    useMachine("card PCI-M610 0\n");
    shell::TForm1& f = start();
    ASSERT_TRUE(LoadedAliasApi().loaded());
    ASSERT_TRUE(f.BitBtn_DeviceAlias->isEnabled());

    command("PCI-M610: 0", "PopupAlias_Add", [](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Add Alias");
        EXPECT_EQ(dialog->findChild<QLineEdit*>("Edit_Device")->text(), "PCI-M610: 0");
        EXPECT_EQ(aliasBox(dialog)->text(), "");
        auto* subType = dialog->findChild<QComboBox*>("ComboBox1");
        subType->setCurrentIndex(subType->findText("M610HR"));
        aliasBox(dialog)->setText("Rig A");
    });
    EXPECT_EQ(storedAlias(340, 0), "Rig A");
    QTreeWidgetItem* card = node(tree(), "PCI-M610: 0");
    EXPECT_EQ(childTexts(card), QStringList({"Alias: Rig A", "Sub Type: M610HR"}));
    EXPECT_TRUE(card->isExpanded()) << "the rebuilt tree is fully expanded";

    command("Alias: Rig A", "PopupAlias_Edit", [](QDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Edit Alias");
        EXPECT_EQ(aliasBox(dialog)->text(), "Rig A");
        aliasBox(dialog)->setText("Rig A");
    });
    EXPECT_TRUE(dialogs.informationTexts().isEmpty()) << "the card's own alias may be entered again";
    EXPECT_EQ(storedAlias(340, 0), "Rig A");
    EXPECT_EQ(childTexts(node(tree(), "PCI-M610: 0")), QStringList({"Alias: Rig A", "Sub Type: M610HR"}));

    command("PCI-M610: 0", "PopupAlias_Edit", [](QDialog* dialog) { aliasBox(dialog)->setText(" Rig B"); });
    EXPECT_EQ(dialogs.informationTexts(), QStringList({"Illegal Alias!"}));
    EXPECT_EQ(storedAlias(340, 0), "Rig A") << "a rejected edit keeps the old alias";

    command("PCI-M610: 0", "PopupAlias_Edit", [](QDialog* dialog) { aliasBox(dialog)->clear(); });
    EXPECT_EQ(storedAlias(340, 0), "");
    EXPECT_EQ(storedAlias(330, 0), "");
    EXPECT_EQ(childTexts(node(tree(), "PCI-M610: 0")), QStringList()) << "emptying the alias removes it";
}

TEST_F(AliasCommandsTest, TheVirtualDeviceAndAPlainCardTakeAnAlias) {
    useMachine("card DAQ-E420 1\n");
    start();

    command("Virtual Device", "PopupAlias_Add", [](QDialog* dialog) { aliasBox(dialog)->setText("Sim"); });
    command("DAQ-E420: 1", "PopupAlias_Add", [](QDialog* dialog) {
        EXPECT_EQ(dialog->findChild<QComboBox*>("ComboBox1"), nullptr) << "the plain dialog";
        aliasBox(dialog)->setText("Bench");
    });
    EXPECT_EQ(storedAlias(1, 0), "Sim");
    EXPECT_EQ(storedAlias(1530, 1), "Bench");
    EXPECT_EQ(childTexts(node(tree(), "Virtual Device")), QStringList({"Alias: Sim"}));
    EXPECT_EQ(childTexts(node(tree(), "DAQ-E420: 1")), QStringList({"Alias: Bench"}));

    command("DAQ-E420: 1", "PopupAlias_Edit", [](QDialog* dialog) { aliasBox(dialog)->setText("sim"); });
    EXPECT_EQ(dialogs.informationTexts(), QStringList({"Illegal Alias!"})) << "another card's alias";
    EXPECT_EQ(storedAlias(1530, 1), "Bench");
}

} // namespace
} // namespace doz::devices::testing
