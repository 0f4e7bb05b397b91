// The task tree, its pictures and the property rows of the selected task, through the real
// window with a temporary task folder.

#include "task_window_fixture.h"

#include <QAction>
#include <QRegularExpression>

#include <ctime>
#include <utime.h>

namespace doz::tasks::testing {
namespace {

class TaskTreeTest : public TaskWindowTest {};

TEST_F(TaskTreeTest, ListsTaskFilesOfAnyCaseWithTheirOperationsPictures) {
    writeTask(tasks_ / "Level.tsk", 0x10003, 1, "0", "Tank level", "property 102 1000\n");
    writeTask(tasks_ / "Counter.TSK", 0x100000, 320, "0");
    writeTask(tasks_ / "Irq.tsk", 0x100003, 320, "0");
    writeText(tasks_ / "Broken.tsk", "radezuvi-task 1\noperation 0x10000\n"); // no "end"
    writeText(tasks_ / "Binary.tsk", std::string("\x01\x02\x03", 3));
    writeText(tasks_ / "notes.txt", "not a task");
    writeTask(tasks_ / "Old.tsk.bak", 0x10000, 1, "0");
    fs::create_directories(tasks_ / "Folder.tsk");
    registerTaskFolder(tasks_);
    start();

    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root()->text(0), "Task Manager");
    EXPECT_EQ(shell::NodePicture(root()), 0);
    EXPECT_TRUE(root()->isExpanded());
    EXPECT_EQ(taskTexts(), (QStringList{"Binary", "Broken", "Counter", "Irq", "Level"})) << "sorted by text";

    EXPECT_EQ(shell::NodePicture(node("Level")), 3) << "continuous analog input";
    EXPECT_FALSE(node("Level")->icon(0).isNull());
    EXPECT_EQ(shell::NodePicture(node("Counter")), 17);
    EXPECT_EQ(shell::NodePicture(node("Irq")), 0x100003) << "an operation without label is its own picture";
    EXPECT_TRUE(node("Irq")->icon(0).isNull());
    EXPECT_EQ(shell::NodePicture(node("Broken")), 0);
    EXPECT_EQ(shell::NodePicture(node("Binary")), 0);
    EXPECT_EQ(form().ImageList_Task.size(), 20);
    EXPECT_EQ(form().ImageList_Task[3].availableSizes().value(0), QSize(32, 32));
}

TEST_F(TaskTreeTest, SelectingATaskFillsEveryPropertyRowInOrder) {
    const fs::path file = tasks_ / "Ports.TSK";
    writeTask(file, 0x40001, 120, "0 1 5", "Door switches");
    const std::time_t modified = 1600000000;
    const utimbuf times{modified, modified};
    ASSERT_EQ(::utime(file.c_str(), &times), 0);
    registerTaskFolder(tasks_);
    start();

    select("Ports");
    EXPECT_EQ(propertyNames(), (QStringList{"DAQ TASK", "Description", "Operation", "Device", "Device Index",
                                            "Channels", "Task File", "Last Update"}));
    EXPECT_EQ(row("DAQ TASK"), "Ports");
    EXPECT_EQ(row("Description"), "Door switches");
    EXPECT_EQ(row("Operation"), "Digital Input -- Port Read");
    EXPECT_EQ(row("Device"), "PCI-D230 or cPCI-D230");
    EXPECT_EQ(row("Device Index"), "0");
    EXPECT_EQ(row("Channels"), "DI PORT0-DI PORT1-DI PORT5");
    EXPECT_EQ(row("Task File").toStdString(), file.string()) << "the file's real name";
    EXPECT_EQ(row("Last Update").toStdString(), std::string(std::ctime(&modified)));
    EXPECT_TRUE(QRegularExpression(R"(^\w{3} \w{3} [ \d]\d \d\d:\d\d:\d\d \d{4}\n$)")
                    .match(row("Last Update"))
                    .hasMatch());
    EXPECT_EQ(form().Edit_Task->text(), "Ports");
    EXPECT_EQ(form().Edit_TaskDescription->text(), "Door switches");
    EXPECT_TRUE(functionsEnabled());
    EXPECT_EQ(window_->tasks.taskFilePath(), file.string());
}

TEST_F(TaskTreeTest, TasksWithoutLabelOrChannelsStillShowAndEnableTheFunctions) {
    writeTask(tasks_ / "Irq.tsk", 0x100003, 320, "0");
    writeTask(tasks_ / "Quiet.tsk", 0x40001, 120, "");
    registerTaskFolder(tasks_);
    start();

    select("Irq");
    EXPECT_TRUE(functionsEnabled());
    EXPECT_EQ(row("Operation"), "");
    EXPECT_EQ(row("Channels"), "") << "no channel prefix";
    EXPECT_EQ(row("Device"), "PCI-T310 or cPCI-T310");

    select("Quiet");
    EXPECT_EQ(row("Channels"), "");
    EXPECT_EQ(row("Operation"), "Digital Input -- Port Read");
}

TEST_F(TaskTreeTest, TheRootAndUnloadableTasksEmptyTheListAndDisableTheFunctions) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    writeTask(tasks_ / "Task Manager.tsk", 0x10000, 1, "0");
    writeText(tasks_ / "Broken.tsk", "radezuvi-task 1\n");
    registerTaskFolder(tasks_);
    start();

    select("Level");
    ASSERT_TRUE(functionsEnabled());
    select("Task Manager");
    EXPECT_EQ(form().ListView_Task->topLevelItemCount(), 0) << "the root loads no file";
    EXPECT_EQ(form().Edit_Task->text(), "Task Manager");
    EXPECT_EQ(form().Edit_TaskDescription->text(), "Dozazar Technology Inc.");
    EXPECT_FALSE(functionsEnabled());
    EXPECT_EQ(window_->tasks.taskFilePath(), "");

    select("Broken");
    EXPECT_EQ(form().ListView_Task->topLevelItemCount(), 0);
    EXPECT_EQ(form().Edit_TaskDescription->text(), "Dozazar Technology Inc.");
    EXPECT_FALSE(functionsEnabled());
}

TEST_F(TaskTreeTest, AMissingFolderGivesTheRootAlone) {
    registerTaskFolder(dir_ / "missing");
    start();
    ASSERT_EQ(tree()->topLevelItemCount(), 1);
    EXPECT_EQ(root()->childCount(), 0);
}

TEST_F(TaskTreeTest, LongFolderAndFileNamesAreHeldWhole) {
    fs::path folder = tasks_;
    for (int i = 0; i < 4; ++i)
        folder /= std::string(60, static_cast<char>('a' + i));
    fs::create_directories(folder);
    const std::string name(80, 'n');
    writeTask(folder / (name + ".tsk"), 0x10000, 1, "0 1");
    registerTaskFolder(folder);
    start();

    ASSERT_NE(node(QString::fromStdString(name)), nullptr);
    select(QString::fromStdString(name));
    EXPECT_EQ(row("Task File").toStdString(), (folder / (name + ".tsk")).string());
    EXPECT_EQ(row("Channels"), "AI0-AI1");
    EXPECT_TRUE(functionsEnabled());
}

TEST_F(TaskTreeTest, AnUnregisteredFolderFallsBackToTheProgramFolder) {
    writeTask(program_ / "Beside.tsk", 0x10000, 1, "0");
    start();
    EXPECT_EQ(taskTexts(), QStringList{"Beside"});
}

TEST_F(TaskTreeTest, RefreshRebuildsTheTreeAndKeepsTheSelectionOfTheSameTask) {
    writeTask(tasks_ / "Level.tsk", 0x10000, 1, "0");
    registerTaskFolder(tasks_);
    start();
    select("Level");
    writeTask(tasks_ / "Added.tsk", 0x20000, 10, "0");

    form().Menu_Refresh->trigger();
    EXPECT_EQ(taskTexts(), (QStringList{"Added", "Level"}));
    ASSERT_NE(tree()->currentItem(), nullptr);
    EXPECT_EQ(tree()->currentItem()->text(0), "Level");
    EXPECT_EQ(row("DAQ TASK"), "Level");
    EXPECT_TRUE(functionsEnabled());
}

TEST_F(TaskTreeTest, ThePopupOffersTheTaskFunctionsExactlyForLoadedTasks) {
    writeTask(tasks_ / "Irq.tsk", 0x100003, 320, "0");
    writeText(tasks_ / "Broken.tsk", "radezuvi-task 1\n");
    registerTaskFolder(tasks_);
    start();
    QStringList shown;
    form().showPopup = [&](QMenu* menu, const QPoint&) { shown << menu->objectName(); };
    const auto enabledItems = [&] {
        QStringList enabled;
        for (QAction* action : form().PopupMenu_Task->actions())
            if (action->isEnabled())
                enabled << action->text();
        return enabled;
    };
    const auto rightClick = [&](const QString& text) {
        tree()->scrollToItem(node(text));
        form().TreeRightButtonDown(tree(), tree()->visualItemRect(node(text)).center());
    };

    rightClick("Irq");
    EXPECT_EQ(tree()->currentItem(), node("Irq"));
    EXPECT_EQ(enabledItems(), (QStringList{"&New", "&Delete", "&Modify", "&Rename", "&Instant Test Panel",
                                           "&Code Generator"}));
    rightClick("Broken");
    EXPECT_EQ(tree()->currentItem(), node("Broken"));
    EXPECT_EQ(enabledItems(), QStringList{"&New"});
    EXPECT_EQ(shown, (QStringList{"PopupMenu_Task", "PopupMenu_Task"}));
}

} // namespace
} // namespace doz::tasks::testing
