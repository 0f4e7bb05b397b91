#include "common/ui/testing/recording_launcher.h"
#include "common/ui/testing/scripted_dialogs.h"
#include "common/ui/testing/test_application.h"

#include <QApplication>
#include <QLineEdit>

#include <gmock/gmock.h>

using ::testing::ElementsAre;

namespace doz::ui::testing {
namespace {

using Kind = DialogCall::Kind;

class DialogsSeam : public ::testing::Test {
protected:
    void SetUp() override { testApplication(); }

    static bool anyWindowVisible() {
        const auto windows = QApplication::topLevelWidgets();
        return std::any_of(windows.begin(), windows.end(), [](QWidget* w) { return w->isVisible(); });
    }
};

TEST_F(DialogsSeam, ScopesInstallAndRestoreInOrder) {
    Dialogs* real = &dialogs();
    EXPECT_EQ(dynamic_cast<ScriptedDialogs*>(real), nullptr);
    {
        ScopedDialogs outer;
        EXPECT_EQ(&dialogs(), &outer);
        {
            ScopedDialogs inner;
            EXPECT_EQ(&dialogs(), &inner);
        }
        EXPECT_EQ(&dialogs(), &outer);
    }
    EXPECT_EQ(&dialogs(), real);

    ScriptedDialogs fake;
    setDialogs(&fake);
    EXPECT_EQ(&dialogs(), &fake);
    setDialogs(nullptr);
    EXPECT_EQ(&dialogs(), real);
}

TEST_F(DialogsSeam, BoxesAreRecordedAndAnsweredFromTheQueues) {
    ScopedDialogs script;
    script.confirmAnswers = {true, false};

    dialogs().information(nullptr, "Revorur", "Please select a task");
    EXPECT_TRUE(dialogs().confirm(nullptr, "Confirm", "Delete the task?"));
    EXPECT_FALSE(dialogs().confirm(nullptr, "Confirm", "Delete the task?"));
    EXPECT_FALSE(dialogs().confirm(nullptr, "Confirm", "Unscripted"));
    dialogs().showException(nullptr, "Invalid floating point operation");
    dialogs().beep();

    ASSERT_EQ(script.calls.size(), 6u);
    EXPECT_EQ(script.calls[0].kind, Kind::Information);
    EXPECT_EQ(script.calls[0].title, "Revorur");
    EXPECT_EQ(script.calls[3].text, "Unscripted");
    EXPECT_EQ(script.calls[4].kind, Kind::ShowException);
    EXPECT_EQ(script.calls[4].text, "Invalid floating point operation");
    EXPECT_EQ(script.calls[5].kind, Kind::Beep);
    EXPECT_EQ(script.count(Kind::Confirm), 3u);
    EXPECT_EQ(script.informationTexts(), QStringList{"Please select a task"});
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(DialogsSeam, FileAndFolderDialogsAnswerThenCancel) {
    ScopedDialogs script;
    script.folderAnswers = {"/home/u/Tasks"};
    script.openFileAnswers = {"/home/u/a.cwk"};
    script.saveFileAnswers = {"/home/u/out.c"};

    EXPECT_EQ(dialogs().chooseFolder(nullptr, "Task Folder", "/start"), "/home/u/Tasks");
    EXPECT_EQ(dialogs().chooseFolder(nullptr, "Task Folder", "/start"), "");
    EXPECT_EQ(dialogs().openFile(nullptr, "Open", "/home/u", "Code files (*.cwk *.daq)"), "/home/u/a.cwk");
    EXPECT_EQ(dialogs().openFile(nullptr, "Open", "/home/u", "*.*"), "");
    EXPECT_EQ(dialogs().saveFile(nullptr, "Save As", "task.c", "C files (*.c)"), "/home/u/out.c");
    EXPECT_EQ(dialogs().saveFile(nullptr, "Save As", "task.c", "C files (*.c)"), "");

    const auto opens = script.callsOf(Kind::OpenFile);
    ASSERT_EQ(opens.size(), 2u);
    EXPECT_EQ(opens[0].title, "Open");
    EXPECT_EQ(opens[0].text, "/home/u");
    EXPECT_EQ(opens[0].filter, "Code files (*.cwk *.daq)");
    EXPECT_EQ(script.callsOf(Kind::ChooseFolder)[0].text, "/start");
}

TEST_F(DialogsSeam, ModalRunsFollowTheirScriptWithoutShowingAnything) {
    ScopedDialogs script;
    QDialog dialog;
    dialog.setObjectName("TForm_TaskFolder");
    dialog.setWindowTitle("Task Folder");
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName("Edit_Folder01");

    script.modalScripts.push_back([](QDialog* d) {
        d->findChild<QLineEdit*>("Edit_Folder01")->setText("/new/folder");
        d->accept();
        return static_cast<int>(QDialog::Accepted);
    });
    EXPECT_EQ(dialogs().runModal(&dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(edit->text(), "/new/folder");

    EXPECT_EQ(dialogs().runModal(&dialog), QDialog::Rejected);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(anyWindowVisible());

    const auto runs = script.callsOf(Kind::RunModal);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].title, "Task Folder");
    EXPECT_EQ(runs[0].text, "TForm_TaskFolder");
    EXPECT_EQ(runs[0].dialogClass, "QDialog");
}

TEST(LauncherSeam, RecordsStartsAndRestores) {
    doz::platform::Launcher* real = &doz::platform::launcher();
    {
        ScopedLauncher starts;
        EXPECT_TRUE(doz::platform::startProgram("mmc.exe devmgmt.msc"));
        starts.succeeds = false;
        EXPECT_FALSE(doz::platform::startProgram("Ruzidavidez.exe"));
        EXPECT_THAT(starts.programs(), ElementsAre("mmc.exe", "Ruzidavidez.exe"));
        EXPECT_THAT(starts.requests[0].arguments, ElementsAre("devmgmt.msc"));
    }
    EXPECT_EQ(&doz::platform::launcher(), real);
}

} // namespace
} // namespace doz::ui::testing
