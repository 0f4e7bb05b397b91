// What the user does in the main window: switching managers, resizing, hovering, dragging
// tree items onto function buttons and right-clicking the trees.

#include "main_form_fixture.h"
#include "revorur/shell/content/content_pane.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QTest>
#include <QToolButton>

namespace doz::shell {
namespace {

using testing::MainFormTest;

TEST_F(MainFormTest, SwitchingManagerMovesAllThreeNotebooksAndTheCheckMark) {
    EXPECT_TRUE(form->menuDevice->isChecked());
    EXPECT_FALSE(form->menuSoftware->isChecked());

    QTest::mouseClick(form->BitBtn_task, Qt::LeftButton);
    for (const char* nb : {"Notebook_00", "Notebook_01", "Notebook_Function"})
        EXPECT_EQ(CurrentNotebookPage(find<QStackedWidget>(nb)), "Page_Task") << nb;
    EXPECT_TRUE(form->menuTask->isChecked());
    EXPECT_FALSE(form->menuDevice->isChecked());

    form->menuSoftware->trigger();
    for (const char* nb : {"Notebook_00", "Notebook_01", "Notebook_Function"})
        EXPECT_EQ(CurrentNotebookPage(find<QStackedWidget>(nb)), "Page_Software") << nb;
    EXPECT_TRUE(form->menuSoftware->isChecked());
    EXPECT_FALSE(form->menuTask->isChecked());
    EXPECT_FALSE(form->menuDevice->isChecked());
}

TEST_F(MainFormTest, DeviceViewButtonsMoveTreeAndPaneButNotTheFunctionPanel) {
    form->SetSwitchPage(SwitchNotebook::DeviceFunction, true);
    QTest::mouseClick(form->BitBtn_AllDevice, Qt::LeftButton);
    EXPECT_EQ(CurrentNotebookPage(form->Notebook_DeviceTree), "Page_AllDevice");
    EXPECT_EQ(CurrentNotebookPage(form->Notebook_DeviceHtml), "Page_AllDevice");
    EXPECT_EQ(CurrentNotebookPage(form->Notebook_DeviceFunction), "Enable");
    QTest::mouseClick(form->BitBtn_DeviceAlias, Qt::LeftButton);
    EXPECT_EQ(CurrentNotebookPage(form->Notebook_DeviceTree), "Page_DeviceAlias");
    EXPECT_EQ(CurrentNotebookPage(form->Notebook_DeviceHtml), "Page_DeviceAlias");
}

TEST_F(MainFormTest, WidthRuleStretchesDescriptionsOnlyAbove800) {
    const char* stretched[] = {"Edit_DevDescription", "Memo_DevTip",          "Edit_SoftDescription",
                               "Memo_SoftTip",        "Edit_TaskDescription", "Memo_TaskTip"};
    std::map<std::string, int> designWidth;
    for (const char* name : stretched)
        designWidth[name] = find<QWidget>(name)->width();

    // Shown first at 800: nothing is stretched. Once stretched, narrowing changes nothing.
    form->resize(800, 700);
    form->show();
    QApplication::processEvents();
    ASSERT_EQ(form->Panel_Bottom->width(), 800);
    for (const char* name : stretched)
        EXPECT_EQ(find<QWidget>(name)->width(), designWidth[name]) << name;

    form->resize(801, 700);
    QApplication::processEvents();
    ASSERT_EQ(form->Panel_Bottom->width(), 801);
    for (const char* name : stretched) {
        const QWidget* w = find<QWidget>(name);
        EXPECT_EQ(w->width(), 801 - w->x() - 15) << name;
    }
    form->resize(1000, 700);
    QApplication::processEvents();
    EXPECT_EQ(form->Edit_TaskDescription->width(), 1000 - form->Edit_TaskDescription->x() - 15);

    form->resize(500, 400);
    QApplication::processEvents();
    EXPECT_GE(form->width(), 800);
    EXPECT_GE(form->height(), 600);
}

TEST_F(MainFormTest, HoveringAButtonOrItsTwinWritesTheTip) {
    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(find<QWidget>("BitBtn_DevCalibration01"), &enter);
    EXPECT_EQ(form->Memo_DevTip->toPlainText(), "Calibrates DAQ-E400 series modules");
    QApplication::sendEvent(find<QWidget>("BitBtn_DevTestPanel"), &enter);
    EXPECT_EQ(form->Memo_DevTip->toPlainText(), "Provides a basic test function for task diagnosis");
    QApplication::sendEvent(find<QWidget>("BitBtn_SoftSample"), &enter);
    EXPECT_EQ(
        form->Memo_SoftTip->toPlainText(),
        "Redirects the user to the sample program directory depending on the selected software application");
    QApplication::sendEvent(find<QWidget>("BitBtn_TaskRename_01"), &enter);
    EXPECT_EQ(form->Memo_TaskTip->toPlainText(), "Renames the selected task");
}

TEST_F(MainFormTest, ButtonClickPopupItemAndDropRunTheSameAction) {
    int runs = 0;
    form->SetFunctionAction("BitBtn_TaskCodeGen", [&] { ++runs; });
    form->SetSwitchPage(SwitchNotebook::TaskFunc, true);
    QTest::mouseClick(find<QToolButton>("BitBtn_TaskCodeGen"), Qt::LeftButton);
    form->PopupMenu_Task->findChild<QAction*>("PopupTask_CodeGen")->trigger();
    EXPECT_EQ(runs, 2);

    QTest::mouseClick(find<QToolButton>("BitBtn_TaskCodeGen_01"), Qt::LeftButton);
    EXPECT_EQ(runs, 2) << "the inert twin does nothing";
}

class DropTest : public MainFormTest {
protected:
    // Offers a drag from `tree` to `button` and drops it when accepted; true when accepted.
    bool dropOn(const char* button, const char* tree) {
        QWidget* target = find<QWidget>(button);
        QMimeData mime;
        mime.setData(TreeDragMimeType, QByteArray(tree));
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        return drop.isAccepted();
    }
};

TEST_F(DropTest, ButtonsAcceptOnlyTheirOwnManagersTrees) {
    std::map<QString, int> runs;
    for (const auto& b : FunctionButtons())
        form->SetFunctionAction(
            QString::fromLatin1(b.name.data(), int(b.name.size())),
            [&runs, n = QString::fromLatin1(b.name.data(), int(b.name.size()))] { ++runs[n]; });

    EXPECT_TRUE(dropOn("BitBtn_DevTestPanel", "TreeView_InstalledDevice"));
    EXPECT_TRUE(dropOn("BitBtn_DevConfiguration", "TreeView_DeviceAlias"));
    EXPECT_FALSE(dropOn("BitBtn_DevTestPanel", "TreeView_AllDevice"));
    EXPECT_FALSE(dropOn("BitBtn_DevTestPanel", "TreeView_Task"));
    EXPECT_FALSE(dropOn("BitBtn_UpdateWizard", "TreeView_InstalledDevice"));
    EXPECT_TRUE(dropOn("BitBtn_Ruzidavidez", "TreeView_Software"));
    EXPECT_TRUE(dropOn("BitBtn_TaskNew", "TreeView_Task"));
    EXPECT_TRUE(dropOn("BitBtn_TaskRename", "TreeView_Task"));
    EXPECT_FALSE(dropOn("BitBtn_TaskRename", "TreeView_Software"));
    EXPECT_FALSE(dropOn("BitBtn_DevTestPanel01", "TreeView_InstalledDevice")) << "twins take no drops";
    EXPECT_FALSE(dropOn("BitBtn_TaskDel_01", "TreeView_Task"));

    EXPECT_EQ(runs["BitBtn_DevTestPanel"], 1);
    EXPECT_EQ(runs["BitBtn_DevConfiguration"], 1);
    EXPECT_EQ(runs["BitBtn_Ruzidavidez"], 1);
    EXPECT_EQ(runs["BitBtn_TaskNew"], 1);
    EXPECT_EQ(runs["BitBtn_TaskRename"], 1);
    EXPECT_EQ(runs["BitBtn_UpdateWizard"], 0);
    EXPECT_EQ(runs["BitBtn_TaskDel"], 0);
}

class TreeMouseTest : public MainFormTest {
protected:
    void SetUp() override {
        MainFormTest::SetUp();
        form->show();
        form->SwitchManager(Manager::Device);
    }
    // Presses on an item and moves past the drag distance.
    void pressAndMove(QTreeWidget* tree, QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        const QPoint at = tree->visualItemRect(item).center();
        QTest::mousePress(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(30, 0)),
                         tree->viewport()->mapToGlobal(at + QPoint(30, 0)), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(tree->viewport(), &move);
        QTest::mouseRelease(tree->viewport(), Qt::LeftButton, Qt::NoModifier, at + QPoint(30, 0));
    }
    void rightClick(QTreeWidget* tree, QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        QTest::mousePress(tree->viewport(), Qt::RightButton, Qt::NoModifier,
                          tree->visualItemRect(item).center());
    }
};

TEST_F(TreeMouseTest, DragsStartOnlyFromLaunchableItems) {
    QTreeWidget* installed = form->TreeView_InstalledDevice;
    auto* root = addNode(installed, nullptr, "Device Manager(Installed)", 0);
    auto* virt = addNode(installed, root, "Virtual Device", 11);
    auto* category = addNode(installed, root, "Multifunction Modules", 5);
    auto* card = addNode(installed, category, "PCI-M610: 0", 9);
    installed->expandAll();

    pressAndMove(installed, card);
    pressAndMove(installed, virt);
    pressAndMove(installed, category);
    pressAndMove(installed, root);
    EXPECT_EQ(drags, (std::vector<QString>{"TreeView_InstalledDevice", "TreeView_InstalledDevice"}));
    EXPECT_EQ(installed->currentItem(), root) << "the press still selects";

    drags.clear();
    QTest::mouseClick(form->BitBtn_AllDevice, Qt::LeftButton);
    QTreeWidget* all = form->TreeView_AllDevice;
    auto* allRoot = addNode(all, nullptr, "Device Manager(All)", 0);
    auto* allCard = addNode(all, allRoot, "PCI-M610", 9);
    all->expandAll();
    pressAndMove(all, allCard);
    EXPECT_TRUE(drags.empty()) << "no drag from the All tree";
}

TEST_F(TreeMouseTest, TaskAndSoftwareDrags) {
    form->SwitchManager(Manager::Task);
    QTreeWidget* tasks = form->TreeView_Task;
    auto* root = new QTreeWidgetItem(tasks, {"Task Manager"});
    auto* task = new QTreeWidgetItem(root, {"Level"});
    tasks->expandAll();
    pressAndMove(tasks, root);
    pressAndMove(tasks, task);
    EXPECT_EQ(drags, (std::vector<QString>{"TreeView_Task"}));

    drags.clear();
    form->SwitchManager(Manager::Software);
    QTreeWidget* software = form->TreeView_Software;
    auto* swRoot = new QTreeWidgetItem(software, {"Software"});
    SetNodePicture(swRoot, form->ImageList_Software, 0);
    auto* group = new QTreeWidgetItem(swRoot, {"Utilities"});
    SetNodePicture(group, form->ImageList_Software, 1);
    auto* product = new QTreeWidgetItem(group, {"Revorur"});
    SetNodePicture(product, form->ImageList_Software, 3);
    software->expandAll();
    pressAndMove(software, group);
    pressAndMove(software, product);
    EXPECT_EQ(drags, (std::vector<QString>{"TreeView_Software"}));
}

TEST_F(TreeMouseTest, RightButtonSelectsAndOpensTheTreesMenu) {
    QTreeWidget* installed = form->TreeView_InstalledDevice;
    auto* root = addNode(installed, nullptr, "Device Manager(Installed)", 0);
    auto* category = addNode(installed, root, "Multifunction Modules", 5);
    auto* uncategorized = addNode(installed, root, "Uncategorized Modules", 11);
    auto* card = addNode(installed, category, "DAQ-E420: 0", 9);
    installed->expandAll();

    rightClick(installed, category);
    EXPECT_EQ(installed->currentItem(), category);
    EXPECT_TRUE(popups.empty()) << "category nodes open no menu";

    rightClick(installed, uncategorized);
    EXPECT_EQ(popups, (std::vector<QString>{"PopupMenu_Device"}));

    auto* calibration = form->PopupMenu_Device->findChild<QAction*>("PopupDevice_Calibration");
    form->SetSwitchPage(SwitchNotebook::DevCalibration, true);
    rightClick(installed, card);
    EXPECT_EQ(installed->currentItem(), card);
    EXPECT_TRUE(calibration->isEnabled());
    form->SetSwitchPage(SwitchNotebook::DevCalibration, false);
    rightClick(installed, card);
    EXPECT_FALSE(calibration->isEnabled());
    EXPECT_EQ(popups.size(), 3u);
}

TEST_F(TreeMouseTest, TaskMenuFollowsTheTaskFunctionsAndAllTreeOpensNone) {
    form->SwitchManager(Manager::Task);
    QTreeWidget* tasks = form->TreeView_Task;
    auto* root = new QTreeWidgetItem(tasks, {"Task Manager"});
    tasks->expandAll();
    rightClick(tasks, root);
    ASSERT_EQ(popups, (std::vector<QString>{"PopupMenu_Task"}));
    const auto actions = form->PopupMenu_Task->actions();
    EXPECT_TRUE(actions[0]->isEnabled()) << "&New stays enabled";
    for (int i = 1; i < actions.size(); ++i)
        EXPECT_FALSE(actions[i]->isEnabled()) << actions[i]->text().toStdString();
    form->SetSwitchPage(SwitchNotebook::TaskFunc, true);
    rightClick(tasks, root);
    for (QAction* a : actions)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();

    popups.clear();
    form->SwitchManager(Manager::Device);
    QTest::mouseClick(form->BitBtn_AllDevice, Qt::LeftButton);
    QTreeWidget* all = form->TreeView_AllDevice;
    auto* allRoot = addNode(all, nullptr, "Device Manager(All)", 0);
    auto* allCard = addNode(all, allRoot, "PCI-M610", 9);
    all->expandAll();
    rightClick(all, allCard);
    EXPECT_EQ(all->currentItem(), allCard);
    EXPECT_TRUE(popups.empty());
}

TEST_F(MainFormTest, CollapseKeepsTheFirstLevelAndExpandOpensEverything) {
    QTreeWidget* all = form->TreeView_AllDevice;
    auto* root = addNode(all, nullptr, "Device Manager(All)", 0);
    auto* category = addNode(all, root, "Multifunction Modules", 5);
    addNode(all, category, "PCI-M610", 9);
    auto* other = addNode(all, root, "Digital I/O Modules", 2);
    addNode(all, other, "PCI-D230", 10);

    QTest::mouseClick(form->BitBtn_ExpandDevTree, Qt::LeftButton);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_TRUE(category->isExpanded());
    EXPECT_TRUE(other->isExpanded());

    QTest::mouseClick(form->BitBtn_CollapseDevTree, Qt::LeftButton);
    EXPECT_TRUE(root->isExpanded());
    EXPECT_FALSE(category->isExpanded());
    EXPECT_FALSE(other->isExpanded());
}

TEST_F(MainFormTest, DeviceRefreshNavigatesTheTwoPanesForTheirSelections) {
    form->FormCreate("/opt/dz/Revorur");
    QTreeWidget* installed = form->TreeView_InstalledDevice;
    auto* root = addNode(installed, nullptr, "Device Manager(Installed)", 0);
    auto* card = addNode(installed, root, "PCI-T310: 0", 9);
    installed->setCurrentItem(card);
    int rebuilt = 0;
    form->hooks.buildInstalledDeviceTree = [&](TForm1&) { ++rebuilt; };

    QTest::mouseClick(form->BitBtn_DevRefresh, Qt::LeftButton);
    EXPECT_EQ(form->CppWebBrowser_InstalledDevice->currentTarget(), "/opt/dz/Content/T310.mht");
    EXPECT_EQ(form->CppWebBrowser_AllDevice->currentTarget(),
              "/opt/dz/Content/HW_SoftwareSelectionGuide.mht");
    EXPECT_EQ(rebuilt, 0) << "refresh rebuilds no tree";
    EXPECT_EQ(installed->topLevelItemCount(), 1);
}

TEST_F(MainFormTest, ViewRefreshRebuildsOnlyTheTaskTree) {
    std::vector<std::string> calls;
    form->hooks.buildTaskTree = [&](TForm1&) { calls.push_back("task"); };
    form->hooks.buildAllDeviceTree = [&](TForm1&) { calls.push_back("all"); };
    form->hooks.buildSoftwareTree = [&](TForm1&) { calls.push_back("software"); };
    form->Menu_Refresh->trigger();
    EXPECT_EQ(calls, std::vector<std::string>{"task"});
}

} // namespace
} // namespace doz::shell
