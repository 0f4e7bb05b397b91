#include "alias_store_fixture.h"

#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"
#include "revorur/devices/alias_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace doz::devices::test {
namespace {

using ui::testing::DialogCall;

// What a script saw of the dialog when it ran.
struct Seen {
    QString dialogClass;
    QString caption;
    QString device;
    bool deviceEditable = true;
    QString alias;
    bool hasSubType = false;
    QStringList items;
    QString subTypeText;
};

class AliasDialogs : public AliasStoreFixture {
protected:
    void SetUp() override { ui::testing::testApplication(); }

    ui::testing::ScopedDialogs dialogs;
    QWidget owner;
    Seen seen;

    static QLineEdit* aliasEdit(QDialog* d) { return d->findChild<QLineEdit*>("Edit_Alias"); }
    static QComboBox* subType(QDialog* d) { return d->findChild<QComboBox*>("ComboBox1"); }
    // Types text key by key as a keyboard would, whatever its characters.
    static void type(QLineEdit* edit, const QString& text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &release);
        }
    }
    static void click(QDialog* d, const char* button) {
        QTest::mouseClick(d->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    // Runs the command; the script looks at the dialog, lets `act` work it, and answers with the
    // result the dialog was left with.
    void run(AliasCommand command, const QString& device, int typeCode, int cardNumber,
             std::function<void(QDialog*)> act) {
        dialogs.modalScripts.push_back([this, act](QDialog* d) {
            seen.dialogClass = QString::fromLatin1(d->metaObject()->className());
            seen.caption = d->windowTitle();
            const auto* deviceEdit = d->findChild<QLineEdit*>("Edit_Device");
            seen.device = deviceEdit->text();
            seen.deviceEditable = deviceEdit->isEnabled() || !deviceEdit->isReadOnly();
            seen.alias = aliasEdit(d)->text();
            if (QComboBox* box = subType(d)) {
                seen.hasSubType = true;
                for (int i = 0; i < box->count(); ++i)
                    seen.items << box->itemText(i);
                seen.subTypeText = box->currentText();
            }
            act(d);
            return d->result();
        });
        RunAliasDialog(&owner, api, command, device, store, typeCode, cardNumber);
        ASSERT_TRUE(dialogs.modalScripts.empty());
    }

    // Types a new alias into the dialog and presses OK.
    static std::function<void(QDialog*)> enter(const QString& alias) {
        return [alias](QDialog* d) {
            aliasEdit(d)->clear();
            type(aliasEdit(d), alias);
            click(d, "Button_OK");
        };
    }
};

TEST_F(AliasDialogs, AddStoresTheTypedAliasForThePlainDialogsCard) {
    run(AliasCommand::Add, "PCI-D220: 0", 80, 0, enter("Relays"));
    EXPECT_EQ(seen.dialogClass, "doz::devices::TForm_DeviceAlias");
    EXPECT_EQ(seen.caption, "Add Alias");
    EXPECT_EQ(seen.device, "PCI-D220: 0");
    EXPECT_FALSE(seen.deviceEditable);
    EXPECT_EQ(seen.alias, "");
    EXPECT_FALSE(seen.hasSubType);
    EXPECT_EQ(aliasOf(80, 0), "Relays");
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Information), 0u);
}

TEST_F(AliasDialogs, EditShowsTheAliasAndAcceptsItAgainUnchanged) {
    seed("Virtual", 1, 0);
    run(AliasCommand::Edit, "Virtual Device", 1, 0, [](QDialog* d) { click(d, "Button_OK"); });
    EXPECT_EQ(seen.caption, "Edit Alias");
    EXPECT_EQ(seen.alias, "Virtual");
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Information), 0u);
    EXPECT_EQ(aliasOf(1, 0), "Virtual");
}

TEST_F(AliasDialogs, CancelAndEmptyText) {
    seed("Relays", 80, 0);
    run(AliasCommand::Edit, "PCI-D220: 0", 80, 0, [](QDialog* d) {
        aliasEdit(d)->setText("Changed");
        click(d, "Button_Cancel");
    });
    EXPECT_EQ(aliasOf(80, 0), "Relays");

    run(AliasCommand::Edit, "PCI-D220: 0", 80, 0, [](QDialog* d) {
        aliasEdit(d)->clear();
        click(d, "Button_OK");
    });
    EXPECT_EQ(aliasOf(80, 0), std::nullopt);
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Information), 0u);
}

TEST_F(AliasDialogs, AnIllegalAliasKeepsTheDialogOpenAndTheOldAliasKept) {
    seed("Relays", 80, 0);
    seed("Taken", 90, 0);
    bool openAfterRefusal = false;
    run(AliasCommand::Edit, "PCI-D220: 0", 80, 0, [&](QDialog* d) {
        aliasEdit(d)->setText("Taken");
        click(d, "Button_OK");
        openAfterRefusal = d->result() != QDialog::Accepted;
        aliasEdit(d)->setText("Bad=name");
        click(d, "Button_OK");
        click(d, "Button_Cancel");
    });
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(dialogs.informationTexts(), (QStringList{"Illegal Alias!", "Illegal Alias!"}));
    EXPECT_EQ(aliasOf(80, 0), "Relays");
    EXPECT_EQ(aliasOf(90, 0), "Taken");

    // After a refusal the user may correct the text and confirm.
    run(AliasCommand::Edit, "PCI-D220: 0", 80, 0, [](QDialog* d) {
        aliasEdit(d)->setText(" Relays");
        click(d, "Button_OK");
        aliasEdit(d)->setText("Relay bank");
        click(d, "Button_OK");
    });
    EXPECT_EQ(aliasOf(80, 0), "Relay bank");
    EXPECT_EQ(dialogs.informationTexts().size(), 3);
}

struct GroupForm {
    int typeCode;
    const char* dialogClass;
    QStringList items;
    QString preselected;
    int storedUnder; // where OK without touching the box stores a new alias
};

TEST_F(AliasDialogs, EachGroupHasItsFormItemsAndPreselection) {
    const GroupForm forms[] = {
        {20, "doz::devices::TForm_DeviceAlias_A120", {"A120V", "A120A", "A125V"}, "", 20},
        {340, "doz::devices::TForm_DeviceAlias_M610", {"M610DG", "M610HR"}, "M610DG", 330},
        {390, "doz::devices::TForm_DeviceAlias_M640", {"M640DG", "M640HG", "M640ADG", "M640AHG"}, "", 390},
        {440, "doz::devices::TForm_DeviceAlias_M660", {"M660DG", "M660HG", "M660HR"}, "M660DG", 420},
        {480, "doz::devices::TForm_DeviceAlias_S720", {"S710", "S720", "S720A"}, "", 480},
    };
    int card = 0;
    for (const GroupForm& form : forms) {
        seen = {};
        const QString alias = QString("Card %1").arg(card);
        run(AliasCommand::Add, "card", form.typeCode, card, enter(alias));
        EXPECT_EQ(seen.dialogClass, form.dialogClass);
        EXPECT_TRUE(seen.hasSubType) << form.typeCode;
        EXPECT_EQ(seen.items, form.items);
        EXPECT_EQ(seen.subTypeText, form.preselected);
        EXPECT_EQ(aliasOf(form.storedUnder, card), alias.toStdString()) << form.typeCode;
        ++card;
    }
    // The A130 cards have the plain dialog.
    seen = {};
    run(AliasCommand::Add, "PCI-A130A: 0", 50, 0, [](QDialog* d) { click(d, "Button_Cancel"); });
    EXPECT_EQ(seen.dialogClass, "doz::devices::TForm_DeviceAlias");
}

TEST_F(AliasDialogs, EditOfAGroupCardKeepsTheSubTypeItWasFoundUnder) {
    seed("Bench", 380, 2);
    run(AliasCommand::Edit, "PCI-M640DG: 2", 370, 2, enter("Bench 2"));
    EXPECT_EQ(seen.alias, "Bench");
    EXPECT_EQ(seen.subTypeText, "M640HG");
    EXPECT_EQ(aliasOf(380, 2), "Bench 2");
    EXPECT_EQ(aliasOf(370, 2), std::nullopt);

    // Choosing another item moves the alias to that sub-type; free text in the box stores it
    // under the dialog's own code.
    run(AliasCommand::Edit, "PCI-M640DG: 2", 370, 2, [](QDialog* d) {
        subType(d)->setCurrentIndex(2);
        click(d, "Button_OK");
    });
    EXPECT_EQ(aliasOf(380, 2), std::nullopt);
    EXPECT_EQ(aliasOf(390, 2), "Bench 2");
    run(AliasCommand::Edit, "PCI-M640DG: 2", 370, 2, [](QDialog* d) {
        subType(d)->setEditText("Custom");
        click(d, "Button_OK");
    });
    EXPECT_EQ(aliasOf(390, 2), std::nullopt);
    EXPECT_EQ(aliasOf(370, 2), "Bench 2");
}

TEST_F(AliasDialogs, GroupOkClearsEveryCodeOfTheGroupForTheCard) {
    seed("Old S720", 470, 1);
    seed("Stray S720A", 480, 1);
    seed("Other card", 460, 0);
    run(AliasCommand::Edit, "PCI-S720: 1", 470, 1, [](QDialog* d) {
        subType(d)->setCurrentIndex(0); // S710
        aliasEdit(d)->setText("Fast");
        click(d, "Button_OK");
    });
    EXPECT_EQ(seen.alias, "Old S720");
    EXPECT_EQ(seen.subTypeText, "S720");
    EXPECT_EQ(AllAliases(api, store), (std::vector<std::string>{"Other card", "Fast"}));
    EXPECT_EQ(aliasOf(460, 1), "Fast");

    run(AliasCommand::Edit, "PCI-S720: 1", 470, 1, [](QDialog* d) {
        aliasEdit(d)->clear();
        click(d, "Button_OK");
    });
    EXPECT_EQ(AllAliases(api, store), (std::vector<std::string>{"Other card"}));
}

TEST_F(AliasDialogs, TheAliasBoxHoldsAtMost31BytesOfUtf8) {
    QString typed;
    QString pastedInside;
    const QString accented = QString::fromUtf8("\xC3\xA9"); // é, two bytes
    run(AliasCommand::Add, "PCI-D220: 0", 80, 0, [&](QDialog* d) {
        QLineEdit* edit = aliasEdit(d);
        type(edit, QString("x").repeated(40));
        typed = edit->text();
        edit->clear();
        type(edit, accented.repeated(20));
        pastedInside = edit->text();
        edit->setText("abc");
        edit->setCursorPosition(1);
        edit->insert(QString("Z").repeated(40));
        click(d, "Button_Cancel");
        EXPECT_EQ(edit->text(), "a" + QString("Z").repeated(28) + "bc");
        EXPECT_EQ(edit->accessibleName(), "Alias");
    });
    EXPECT_EQ(typed, QString("x").repeated(31));
    EXPECT_EQ(pastedInside, accented.repeated(15));
    EXPECT_EQ(aliasOf(80, 0), std::nullopt);
}

TEST_F(AliasDialogs, WithoutTheLibraryTheDialogStillOpensAndClosesSafely) {
    api = AliasApi{};
    run(AliasCommand::Edit, "PCI-M640DG: 2", 370, 2, enter("Anything"));
    EXPECT_EQ(seen.alias, "");
    EXPECT_EQ(dialogs.count(DialogCall::Kind::Information), 0u);
    EXPECT_EQ(AliasApiList(store.c_str(), nullptr, 0), 1);
}

} // namespace
} // namespace doz::devices::test
