#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"
#include "revorur/devices/subtype_dialogs.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace doz::devices::test {
namespace {

struct SubTypeDialog {
    int head;
    const char* dialogClass;
    const char* caption;
    QStringList items;
    std::vector<int> codes; // item k chooses codes[k]
};

const SubTypeDialog kDialogs[] = {
    {10, "doz::devices::TForm_SubTypeA120", "Form_SubTypeA120", {"A120V", "A120A", "A125"}, {10, 20, 30}},
    {40, "doz::devices::TForm_SubTypeA130", "Form_SubTypeA130", {"A130V", "A130A"}, {40, 50}},
    {330, "doz::devices::TForm_SubTypeM610", "M610", {"M610DG", "M610HR"}, {330, 340}},
    {370,
     "doz::devices::TForm_SubTypeM640",
     "Select the sub type",
     {"M640-DG", "M640-HG", "M640A-DG", "M640A-HG"},
     {370, 380, 390, 400}},
    {420, "doz::devices::TForm_SubTypeM660", "M660", {"M660DG", "M660HG", "M660HR"}, {420, 430, 440}},
    {470, "doz::devices::TForm_SubTypeS720", "S710/S720", {"S710", "S720"}, {460, 470}},
};

class SubTypeDialogs : public ::testing::Test {
protected:
    void SetUp() override {
        ui::testing::testApplication();
        owner.move(200, 100);
    }
    ui::testing::ScopedDialogs dialogs;
    QWidget owner;
};

TEST_F(SubTypeDialogs, EachGroupOffersItsSubTypesAndReturnsTheChosenCode) {
    for (const SubTypeDialog& expected : kDialogs) {
        for (std::size_t k = 0; k < expected.codes.size(); ++k) {
            QStringList items;
            int preselected = -2;
            bool editable = true;
            QString label;
            bool labelNamesBox = false;
            dialogs.modalScripts.push_back([&](QDialog* d) {
                auto* box = d->findChild<QComboBox*>("ComboBox_SubType");
                for (int i = 0; i < box->count(); ++i)
                    items << box->itemText(i);
                preselected = box->currentIndex();
                editable = box->isEditable();
                const auto* name = d->findChild<QLabel*>("Label_SubType");
                label = name->text();
                labelNamesBox = name->buddy() == box && box->accessibleName() == "Sub Type:";
                box->setCurrentIndex(static_cast<int>(k));
                QTest::mouseClick(d->findChild<QPushButton*>("Button_OK"), Qt::LeftButton);
                return d->result();
            });
            EXPECT_EQ(ChooseSubType(&owner, expected.head, true), expected.codes[k])
                << expected.head << " " << k;
            const auto run = dialogs.callsOf(ui::testing::DialogCall::Kind::RunModal).back();
            EXPECT_EQ(run.dialogClass, expected.dialogClass);
            EXPECT_EQ(run.title, expected.caption);
            EXPECT_EQ(items, expected.items);
            EXPECT_EQ(preselected, 0);
            EXPECT_FALSE(editable);
            EXPECT_EQ(label, "Sub Type:");
            EXPECT_TRUE(labelNamesBox);
        }
    }
}

TEST_F(SubTypeDialogs, ClosingWithoutOkChoosesNothing) {
    dialogs.modalScripts.push_back([](QDialog* d) {
        d->findChild<QComboBox*>("ComboBox_SubType")->setCurrentIndex(1);
        d->reject();
        return d->result();
    });
    EXPECT_EQ(ChooseSubType(&owner, 370, true), 0);
    EXPECT_EQ(ChooseSubType(&owner, 330, true), 0); // no script: the window was closed
    // A code that heads no group shows nothing.
    EXPECT_EQ(ChooseSubType(&owner, 80, true), 0);
    EXPECT_EQ(dialogs.count(ui::testing::DialogCall::Kind::RunModal), 2u);
}

TEST_F(SubTypeDialogs, ThePlacedDialogOpensBesideTheOwner) {
    QPoint placed;
    QPoint unplaced;
    dialogs.modalScripts.push_back([&](QDialog* d) {
        placed = d->pos();
        return int(QDialog::Rejected);
    });
    dialogs.modalScripts.push_back([&](QDialog* d) {
        unplaced = d->pos();
        return int(QDialog::Rejected);
    });
    ChooseSubType(&owner, 470, true);
    ChooseSubType(&owner, 470, false);
    EXPECT_EQ(placed, owner.frameGeometry().topLeft() + QPoint(24, 24));
    EXPECT_NE(unplaced, placed);
}

} // namespace
} // namespace doz::devices::test
