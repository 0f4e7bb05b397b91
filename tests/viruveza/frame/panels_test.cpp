#include "frame_fixture.h"

#include "viruveza/frame/about_dialog.h"
#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/message_window.h"
#include "viruveza/frame/system_profile_dialog.h"
#include "viruveza/frame/window_arrangement.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

#include <thread>

namespace doz::frame::testing {
namespace {

using ui::testing::DialogCall;

QStringList menuTitles(QMainWindow& window) {
    QStringList titles;
    for (QAction* menu : window.menuBar()->actions())
        if (menu->isVisible())
            titles << menu->text();
    return titles;
}

TEST(MessageWindow, NewestFirstErrorsRedFromAnyThread) {
    MessageWindow window;
    window.post("Ruzidavidez Message : first");
    std::thread worker([&window] { window.post("Ruzidavidez Error : second"); });
    worker.join();
    QCoreApplication::sendPostedEvents();
    window.post("third");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(window.lines(),
              QStringList({"third", "Ruzidavidez Error : second", "Ruzidavidez Message : first"}));
    EXPECT_EQ(window.List_Message->item(1)->foreground().color(), QColor(255, 0, 0));
    EXPECT_NE(window.List_Message->item(2)->foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(window.windowTitle(), "Message");
}

TEST(WindowArrangement, TilesShareTheArea) {
    const auto stacked = tiledRects(QRect(0, 0, 300, 100), 3, Arrangement::TileHorizontally);
    ASSERT_EQ(stacked.size(), 3u);
    EXPECT_EQ(stacked[0], QRect(0, 0, 300, 33));
    EXPECT_EQ(stacked[2], QRect(0, 66, 300, 34));
    const auto sideBySide = tiledRects(QRect(10, 0, 200, 80), 2, Arrangement::TileVertically);
    EXPECT_EQ(sideBySide[1], QRect(110, 0, 100, 80));
    EXPECT_TRUE(tiledRects(QRect(0, 0, 10, 10), 0, Arrangement::TileVertically).empty());
}

TEST_F(FrameTest, MenusToolbarAndStatusBar) {
    CViruvezaApp& app = startApp();
    CMainFrame& frame = app.mainFrame();
    EXPECT_EQ(menuTitles(frame), QStringList({"&File", "&View", "&Help"}));
    EXPECT_FALSE(frame.action("ID_FILE_SAVE")->isEnabled());
    ASSERT_NE(newCodeSource({"Menus", folder().path(), 0, 1, 0}), nullptr);
    EXPECT_EQ(menuTitles(frame), QStringList({"&File", "&Edit", "&View", "&Window", "&Help"}));
    EXPECT_TRUE(frame.action("ID_FILE_SAVE")->isEnabled());

    EXPECT_EQ(frame.action("ID_FILE_NEW")->shortcut(), QKeySequence("Ctrl+N"));
    EXPECT_EQ(frame.action("ID_EDIT_UNDO")->shortcuts(),
              QList<QKeySequence>({QKeySequence("Ctrl+Z"), QKeySequence("Alt+Backspace")}));
    EXPECT_EQ(frame.action("ID_EDIT_COPY")->shortcuts().last(), QKeySequence("Ctrl+Ins"));
    EXPECT_EQ(frame.action("ID_NEXT_PANE")->shortcut(), QKeySequence("F6"));

    QStringList buttons;
    for (QAction* item : frame.toolBar->actions())
        buttons << (item->isSeparator() ? QString("|") : item->toolTip());
    EXPECT_EQ(buttons,
              QStringList({"New", "Open", "Save", "Save All", "|", "Export to Excel", "Export to .CSV", "|",
                           "Print", "Print Preview", "|", "About Ruzidavidez"}));
    EXPECT_FALSE(frame.action("ID_FILE_SAVE_ALL")->isEnabled());
    EXPECT_FALSE(frame.action("ID_EXPORT_CSV")->isEnabled());

    QStringList panes;
    for (QLabel* label : frame.statusBar()->findChildren<QLabel*>())
        panes << label->text();
    EXPECT_TRUE(panes.contains("Progress") && panes.contains("NUM") && panes.contains("SCRL"));
}

TEST_F(FrameTest, WindowMenuChecksTheArrangementUsedLast) {
    CViruvezaApp& app = startApp();
    ASSERT_NE(newCodeSource({"A", folder().path(), 0, 1, 0}), nullptr);
    ASSERT_NE(newCodeSource({"B", folder().path(), 0, 1, 0}), nullptr);
    CMainFrame& frame = app.mainFrame();
    EXPECT_TRUE(frame.action("ID_WINDOW_MAXIMIZE")->isChecked());
    frame.action("ID_WINDOW_TILE_VERT")->trigger();
    EXPECT_EQ(frame.arrangement(), Arrangement::TileVertically);
    EXPECT_TRUE(frame.action("ID_WINDOW_TILE_VERT")->isChecked());
    EXPECT_FALSE(frame.action("ID_WINDOW_MAXIMIZE")->isChecked());
    const auto windows = frame.mdiArea->subWindowList();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_EQ(windows[0]->geometry().top(), windows[1]->geometry().top());
    EXPECT_LT(windows[0]->geometry().left(), windows[1]->geometry().left());
    frame.action("ID_WINDOW_CASCADE")->trigger();
    EXPECT_EQ(frame.arrangement(), Arrangement::Cascade);
}

TEST_F(FrameTest, PanelsShowAndHideFromTheViewMenu) {
    CViruvezaApp& app = startApp();
    QAction* browserItem = app.mainFrame().action("ID_VIEW_BROWSER");
    ASSERT_NE(browserItem, nullptr);
    EXPECT_EQ(browserItem->text(), "&Data Source Browser");
    EXPECT_TRUE(browserItem->isChecked());
    browserItem->trigger();
    EXPECT_FALSE(browserItem->isChecked());
    EXPECT_EQ(app.mainFrame().action("ID_VIEW_MESSAGE")->text(), "&Message Window");
}

TEST_F(FrameTest, AboutDialogs) {
    CViruvezaApp& app = startApp();
    QString version;
    dialogs_.modalScripts.push_back([&version](QDialog* dialog) {
        version = dialog->findChild<QLabel*>("Lbl_Version")->text();
        return int(QDialog::Accepted);
    });
    app.mainFrame().action("ID_APP_ABOUT")->trigger();
    EXPECT_EQ(version, "Ruzidavidez Version 1.0");
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::RunModal).back().title, "About Ruzidavidez");

    dialogs_.modalScripts.push_back([](QDialog*) { return int(QDialog::Accepted); });
    app.mainFrame().action("ID_ABOUT_MY_COMPUTER")->trigger();
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::RunModal).back().title, "System Profile");
}

TEST(SystemProfileDialog, RefreshesWithoutStaleTexts) {
    int reads = 0;
    platform::SystemInfo info;
    info.windowsProcessorType = 586;
    info.windowsArchitectureCode = 2;
    CSystemProfileDlg dialog(nullptr, 1000, [&] {
        ++reads;
        return info;
    });
    EXPECT_EQ(dialog.windowTitle(), "System Profile");
    EXPECT_EQ(dialog.values[0]->text(), "Intel Pentium");
    EXPECT_EQ(dialog.values[2]->text(), "Alpha");
    dialog.show();
    EXPECT_TRUE(dialog.refreshTimer()->isActive());
    EXPECT_EQ(dialog.refreshTimer()->interval(), 1000);
    info.windowsArchitectureCode = 77; // unknown: not the text of the last refresh
    dialog.refresh();
    EXPECT_EQ(dialog.values[2]->text(), "Unknown");
    dialog.hide();
    EXPECT_FALSE(dialog.refreshTimer()->isActive());
    EXPECT_GE(reads, 3);

    CSystemProfileDlg still(nullptr, 0, [&] { return info; });
    still.show();
    EXPECT_FALSE(still.refreshTimer()->isActive());
    EXPECT_EQ(still.values[0]->text(), "Intel Pentium");
}

} // namespace
} // namespace doz::frame::testing
