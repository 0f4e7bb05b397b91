// The task functions: create, modify, rename, delete and the instant test panel, from their
// buttons, with the wizard library and the dialogs scripted.

#include "task_window_fixture.h"

#include "revorur/tasks/task_rename_form.h"

#include <QAction>
#include <QPushButton>

namespace doz::tasks::testing {
namespace {

using ui::testing::DialogCall;

class TaskActionsTest : public TaskWindowTest {
protected:
    void SetUp() override {
        TaskWindowTest::SetUp();
        writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0 1", "Tank level");
        writeTask(tasks_ / "Counter.TSK", 0x100000, 320, "0");
        registerTaskFolder(tasks_);
        start();
    }
    // Answers the rename dialog with `name`, pressing OK (or Cancel).
    void answerRename(const QString& name, bool ok = true) {
        dialogs_.modalScripts.push_back([=, this](QDialog* dialog) {
            auto* form = dynamic_cast<TForm_TaskRename*>(dialog);
            EXPECT_NE(form, nullptr);
            if (!form)
                return int(QDialog::Rejected);
            renameShown_.push_back(
                {form->windowTitle(), form->Edit_OldName->text(), form->Edit_NewName->text()});
            form->Edit_NewName->setText(name);
            (ok ? form->Button_OK : form->Button_Cancel)->click();
            return form->result();
        });
    }
    struct RenameShown {
        QString title, oldName, newName;
    };
    std::vector<RenameShown> renameShown_;
};

TEST_F(TaskActionsTest, CreateWithTheWizardCancelledChangesNothing) {
    writeTask(tasks_ / "Unseen.tsk", 0x10000, 1, "0");
    run("BitBtn_TaskNew");
    ASSERT_EQ(wizard_.newTaskPaths.size(), 1u);
    EXPECT_EQ(wizard_.newTaskPaths[0], (tasks_ / "DAQ_File.tsk").string());
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "Level"})) << "no rebuild";
    EXPECT_FALSE(fs::exists(tasks_ / "DAQ_File.tsk"));
}

TEST_F(TaskActionsTest, CreateThatSavesRebuildsTheTree) {
    wizard_.onNewTask = [](const std::string& path) {
        writeTask(path, 0x20000, 10, "0");
        return 1;
    };
    form().PopupMenu_Task->findChild<QAction*>("PopupTask_New")->trigger();
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "DAQ_File", "Level"}));
    EXPECT_EQ(shell::NodePicture(node("DAQ_File")), 4);
}

TEST_F(TaskActionsTest, ModifyRunsTheWizardOnTheSelectedFileAndRebuilds) {
    select("Counter");
    writeTask(tasks_ / "Later.tsk", 0x10000, 1, "0");
    run("BitBtn_TaskModify");
    EXPECT_EQ(wizard_.editedPaths, std::vector<std::string>{(tasks_ / "Counter.TSK").string()});
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "Later", "Level"}));
}

TEST_F(TaskActionsTest, RenameMovesTheFileAndTheTreeFollows) {
    select("Level");
    answerRename("Level2");
    run("BitBtn_TaskRename");

    ASSERT_EQ(renameShown_.size(), 1u);
    EXPECT_EQ(renameShown_[0].title, "Rename");
    EXPECT_EQ(renameShown_[0].oldName, "Level");
    EXPECT_EQ(renameShown_[0].newName, "New_Task");
    EXPECT_FALSE(fs::exists(tasks_ / "Level.tsk"));
    EXPECT_TRUE(fs::exists(tasks_ / "Level2.tsk"));
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "Level2"}));
    EXPECT_FALSE(functionsEnabled()) << "the renamed task is no longer the one selected";
    EXPECT_EQ(tree()->currentItem(), nullptr);

    run("BitBtn_TaskRename");
    EXPECT_EQ(renameShown_.size(), 1u) << "a second rename has no task to act on";
}

TEST_F(TaskActionsTest, RenameOfAFileWithAnUpperCaseExtensionMovesThatFile) {
    select("Counter");
    answerRename("Events");
    run("BitBtn_TaskRename");
    EXPECT_FALSE(fs::exists(tasks_ / "Counter.TSK"));
    EXPECT_TRUE(fs::exists(tasks_ / "Events.tsk"));
}

TEST_F(TaskActionsTest, RenameNeverReplacesAnExistingTask) {
    const std::string counterBefore = doz::test::ReadFile(tasks_ / "Counter.TSK");
    writeTask(tasks_ / "Taken.tsk", 0x20000, 10, "0");
    select("Counter");
    answerRename("Taken");
    run("BitBtn_TaskRename");

    EXPECT_TRUE(fs::exists(tasks_ / "Counter.TSK"));
    EXPECT_NE(doz::test::ReadFile(tasks_ / "Taken.tsk"), counterBefore);
    EXPECT_EQ(dialogs_.informationTexts(), QStringList{"A task named \"Taken\" already exists."});
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "Level", "Taken"}));
}

TEST_F(TaskActionsTest, IllegalNewNamesAreRefusedAndNothingMoves) {
    const QString names[] = {"", ".", "..", "a/b", "..\\Level", "x:y", "what?", "tab\there", "dot."};
    for (const QString& name : names) {
        select("Level");
        answerRename(name);
        run("BitBtn_TaskRename");
        EXPECT_TRUE(fs::exists(tasks_ / "Level.tsk")) << name.toStdString();
    }
    EXPECT_EQ(dialogs_.informationTexts().size(), static_cast<qsizetype>(std::size(names)));
    EXPECT_FALSE(fs::exists(dir_ / "b.tsk"));
    EXPECT_EQ(std::distance(fs::directory_iterator(tasks_), fs::directory_iterator()), 2);
    EXPECT_EQ(taskTexts(), (QStringList{"Counter", "Level"}));
}

TEST_F(TaskActionsTest, RenameCancelledChangesNothing) {
    select("Level");
    answerRename("Other", false);
    run("BitBtn_TaskRename");
    EXPECT_TRUE(fs::exists(tasks_ / "Level.tsk"));
    EXPECT_FALSE(fs::exists(tasks_ / "Other.tsk"));
}

TEST_F(TaskActionsTest, DeleteAsksAndOnlyOkDeletes) {
    select("Level");
    dialogs_.okCancelAnswers = {false};
    run("BitBtn_TaskDel");
    EXPECT_TRUE(fs::exists(tasks_ / "Level.tsk"));
    const auto asked = dialogs_.callsOf(DialogCall::Kind::ConfirmOkCancel);
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].text, "Are you sure?");

    dialogs_.okCancelAnswers = {true};
    run("BitBtn_TaskDel");
    EXPECT_FALSE(fs::exists(tasks_ / "Level.tsk"));
    EXPECT_EQ(taskTexts(), QStringList{"Counter"});
    EXPECT_FALSE(functionsEnabled());
}

TEST_F(TaskActionsTest, TwoDeletesInARowRemoveOnlyTheSelectedTask) {
    select("Level");
    dialogs_.okCancelAnswers = {true, true};
    run("BitBtn_TaskDel");
    run("BitBtn_TaskDel");
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::ConfirmOkCancel), 1u);
    EXPECT_TRUE(fs::exists(tasks_ / "Counter.TSK"));
    EXPECT_EQ(taskTexts(), QStringList{"Counter"});
}

TEST_F(TaskActionsTest, AfterTheFolderChangesADeleteActsOnlyOnWhatTheTreeShows) {
    const fs::path other = dir_ / "Other";
    fs::create_directories(other);
    writeTask(other / "Level.tsk", 0x10000, 1, "0");
    writeTask(other / "Solo.tsk", 0x10000, 1, "0");
    select("Counter");
    dialogs_.modalScripts.push_back([&](QDialog* dialog) {
        dialog->findChild<QLineEdit*>("Edit_Folder01")->setText(QString::fromStdString(other.string()));
        dialog->findChild<QPushButton*>("Button_OK")->click();
        return dialog->result();
    });
    form().menuTaskFolder->trigger();
    form().Menu_Refresh->trigger();
    EXPECT_FALSE(functionsEnabled()) << "the other folder holds no Counter";

    dialogs_.okCancelAnswers = {true};
    run("BitBtn_TaskDel");
    EXPECT_TRUE(fs::exists(tasks_ / "Counter.TSK"));

    select("Level");
    run("BitBtn_TaskDel");
    EXPECT_TRUE(fs::exists(tasks_ / "Level.tsk")) << "the first folder's task of the same name stays";
    EXPECT_FALSE(fs::exists(other / "Level.tsk"));
}

TEST_F(TaskActionsTest, TheTestPanelGetsTheLoadedTaskAndItsCaption) {
    select("Level");
    run("BitBtn_TaskTestPanel");
    ASSERT_EQ(wizard_.panels.size(), 1u);
    const FakeWizard::PanelCall& panel = wizard_.panels[0];
    EXPECT_EQ(panel.caption, "Instant Test Panel -- Level");
    EXPECT_NE(panel.task, 0u);
    EXPECT_EQ(panel.reserved, 0);
    EXPECT_EQ(panel.autoStart, 1);
    EXPECT_EQ(panel.operationSeen, 0x10000);
    EXPECT_EQ(Radezuvi_GetPropertyI4(panel.task, RADEZUVI_PROP_OPERATION), RADEZUVI_ERR_HANDLE)
        << "the task is ended when the panel returns";
}

TEST_F(TaskActionsTest, ATaskWhoseCardIsMissingGoesToThePanelAsHandleZero) {
    writeTask(tasks_ / "Elsewhere.tsk", 0x10000, 330, "0");
    form().Menu_Refresh->trigger();
    select("Elsewhere");
    run("BitBtn_TaskTestPanel");
    ASSERT_EQ(wizard_.panels.size(), 1u);
    EXPECT_EQ(wizard_.panels[0].task, 0u);
    EXPECT_EQ(wizard_.panels[0].caption, "Instant Test Panel -- Elsewhere");
}

TEST_F(TaskActionsTest, TheRootOffersNoTaskToActOn) {
    select("Task Manager");
    dialogs_.okCancelAnswers = {true};
    for (const char* button : {"BitBtn_TaskDel", "BitBtn_TaskModify", "BitBtn_TaskRename",
                               "BitBtn_TaskTestPanel", "BitBtn_TaskCodeGen"})
        run(button);
    EXPECT_TRUE(dialogs_.calls.empty());
    EXPECT_TRUE(wizard_.editedPaths.empty());
    EXPECT_TRUE(wizard_.panels.empty());
    EXPECT_TRUE(fs::exists(tasks_ / "Level.tsk"));
}

TEST_F(TaskActionsTest, WithoutTheWizardLibraryTheUserIsTold) {
    window_->tasks.setWizard({});
    run("BitBtn_TaskNew");
    EXPECT_EQ(dialogs_.informationTexts(),
              QStringList{"The task wizard library libradezuviwizard.so could not be loaded."});
}

} // namespace
} // namespace doz::tasks::testing
