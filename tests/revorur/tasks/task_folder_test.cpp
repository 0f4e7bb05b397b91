// The task folder dialog: only an existing folder is taken, stored absolute in the engine's key
// (never created), and the tree follows only after a refresh.

#include "task_window_fixture.h"

#include "revorur/tasks/task_folder_form.h"
#include "tests/support/long_paths.h"

#include <QAction>
#include <QPushButton>

namespace doz::tasks::testing {
namespace {

using ui::testing::DialogCall;

class TaskFolderTest : public TaskWindowTest {
protected:
    // Answers the folder dialog: types `folder` and presses OK, then Cancel if it stayed open.
    void answerFolderDialog(const QString& folder, TForm_TaskFolder** seen = nullptr) {
        dialogs_.modalScripts.push_back([=, this](QDialog* dialog) {
            auto* form = dynamic_cast<TForm_TaskFolder*>(dialog);
            EXPECT_NE(form, nullptr);
            if (!form)
                return int(QDialog::Rejected);
            if (seen)
                *seen = form;
            shown_.push_back({form->windowTitle(), form->Edit_Folder00->text(), form->Edit_Folder01->text(),
                              form->Edit_Folder00->isEnabled()});
            form->Edit_Folder01->setText(folder);
            form->Button_OK->click();
            if (!form->accepted)
                form->Button_Cancel->click();
            return form->result();
        });
    }
    struct Shown {
        QString title, current, proposed;
        bool currentEnabled;
    };
    std::vector<Shown> shown_;
};

TEST_F(TaskFolderTest, ANewFolderIsStoredAbsoluteAndShownAfterRefresh) {
    writeTask(tasks_ / "Old.tsk", 0x10000, 1, "0");
    const fs::path other = dir_ / "Other";
    fs::create_directories(other);
    writeTask(other / "New.tsk", 0x10000, 1, "0");
    registerTaskFolder(tasks_);
    start();

    const QString relative = QString::fromStdString(fs::relative(other, fs::current_path()).string() + "/");
    answerFolderDialog(relative);
    form().menuTaskFolder->trigger();

    ASSERT_EQ(shown_.size(), 1u);
    EXPECT_EQ(shown_[0].title, "Specify the folder for Task files");
    EXPECT_EQ(shown_[0].current.toStdString(), tasks_.string());
    EXPECT_EQ(shown_[0].proposed.toStdString(), tasks_.string());
    EXPECT_FALSE(shown_[0].currentEnabled);
    EXPECT_EQ(registeredTaskFolder(), other.string());
    EXPECT_EQ(window_->tasks.taskFolder(), other.string());
    EXPECT_EQ(taskTexts(), QStringList{"Old"}) << "not rebuilt by the dialog";

    form().Menu_Refresh->trigger();
    EXPECT_EQ(taskTexts(), QStringList{"New"});
}

TEST_F(TaskFolderTest, AFolderThatDoesNotExistIsRefusedAndNothingChanges) {
    registerTaskFolder(tasks_);
    writeText(dir_ / "plain-file", "x");
    start();

    for (const fs::path& wrong : {dir_ / "missing", dir_ / "plain-file", fs::path()}) {
        answerFolderDialog(QString::fromStdString(wrong.string()));
        form().menuTaskFolder->trigger();
    }
    EXPECT_EQ(dialogs_.informationTexts(),
              (QStringList{"The directory does not exist!", "The directory does not exist!",
                           "The directory does not exist!"}));
    EXPECT_EQ(registeredTaskFolder(), tasks_.string());
    EXPECT_EQ(window_->tasks.taskFolder(), tasks_.string());
}

TEST_F(TaskFolderTest, TheBrowseButtonFillsTheNewFolderBox) {
    registerTaskFolder(tasks_);
    start();
    const fs::path other = dir_ / "Browsed";
    fs::create_directories(other);
    dialogs_.folderAnswers.push_back(QString::fromStdString(other.string()));
    dialogs_.modalScripts.push_back([](QDialog* dialog) {
        auto* form = dynamic_cast<TForm_TaskFolder*>(dialog);
        form->Button1->click();
        form->Button_OK->click();
        return form->result();
    });
    form().menuTaskFolder->trigger();

    const auto browse = dialogs_.callsOf(DialogCall::Kind::ChooseFolder);
    ASSERT_EQ(browse.size(), 1u);
    EXPECT_EQ(browse[0].title, "Select the folder for DAQ Tasks");
    EXPECT_EQ(registeredTaskFolder(), other.string());
}

TEST_F(TaskFolderTest, WithoutTheEnginesKeyTheFolderIsUsedButTheKeyIsNotCreated) {
    writeTask(program_ / "Beside.tsk", 0x10000, 1, "0");
    start();
    answerFolderDialog(QString::fromStdString(tasks_.string()));
    writeTask(tasks_ / "There.tsk", 0x10000, 1, "0");
    form().menuTaskFolder->trigger();

    EXPECT_EQ(registeredTaskFolder(), "<no key>");
    form().Menu_Refresh->trigger();
    EXPECT_EQ(taskTexts(), QStringList{"There"});
}

// Folders of any length and name are held whole from the dialog to the registry and the tree;
// one longer than the system allows cannot exist and is refused like any missing folder.
TEST_F(TaskFolderTest, LongAwkwardFoldersAreHeldWhole) {
    registerTaskFolder(tasks_);
    const fs::path deep = doz::test::AwkwardPath(dir_, 4000, "Tasks");
    fs::create_directories(deep);
    const fs::path file = deep / "Zoë's \"Prüf\" Task.tsk";
    writeTask(file, 0x40001, 120, "0", "Deep in the bench folders");
    start();

    answerFolderDialog(QString::fromStdString(deep.string()));
    form().menuTaskFolder->trigger();
    EXPECT_EQ(registeredTaskFolder(), deep.string());
    form().Menu_Refresh->trigger();
    ASSERT_EQ(taskTexts(), QStringList{"Zoë's \"Prüf\" Task"});
    select("Zoë's \"Prüf\" Task");
    EXPECT_EQ(row("Task File").toStdString(), file.string());
    EXPECT_EQ(row("Description"), "Deep in the bench folders");

    answerFolderDialog(QString::fromStdString(doz::test::AwkwardPath(dir_, 4097, "Tasks").string()));
    form().menuTaskFolder->trigger();
    EXPECT_EQ(dialogs_.informationTexts(), QStringList{"The directory does not exist!"});
    EXPECT_EQ(registeredTaskFolder(), deep.string());
}

TEST_F(TaskFolderTest, CancelKeepsTheFolder) {
    registerTaskFolder(tasks_);
    start();
    dialogs_.modalScripts.push_back([](QDialog* dialog) {
        auto* form = dynamic_cast<TForm_TaskFolder*>(dialog);
        form->Edit_Folder01->setText("/");
        form->Button_Cancel->click();
        return form->result();
    });
    form().menuTaskFolder->trigger();
    EXPECT_EQ(window_->tasks.taskFolder(), tasks_.string());
    EXPECT_EQ(registeredTaskFolder(), tasks_.string());
}

} // namespace
} // namespace doz::tasks::testing
