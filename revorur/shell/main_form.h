#pragma once
// TForm1: Revorur's main window with its three managers (device, software, task). The form
// builds the layout, switches managers, runs the function panel, drag-and-drop launching, the
// menus and the content panes; the managers plug their trees and functions in through hooks.

#include "common/platform/fixed_text.h"
#include "function_buttons.h"
#include "image_lists.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <string>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPlainTextEdit;
class QStackedWidget;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace doz::revorur {
class ContentPane;
}

namespace doz::shell {

// Mime type of a tree item dragged onto a function button; the data is the tree's name.
inline constexpr const char* TreeDragMimeType = "application/x-revorur-tree-item";

class TForm1;

// What the window asks of the managers that plug into it. Start-up asks for the engine's
// device count and runs the tree builders in order; each builder is handed the form, whose
// trees and image lists it fills. An unset hook does nothing (the count reads 0).
struct ManagerHooks {
    std::function<int()> deviceEntryCount;
    std::function<void(TForm1&)> buildAllDeviceTree;
    std::function<void(TForm1&)> buildAliasTree;
    std::function<void(TForm1&)> buildInstalledDeviceTree;
    std::function<void(TForm1&)> buildSoftwareTree;
    std::function<void(TForm1&)> buildTaskTree;
    // A right-button press on the Alias tree, after the node under the cursor was selected.
    std::function<void(QTreeWidgetItem*, const QPoint&)> aliasTreeMenu;
    // Runs once, just after the window is first shown (not again after un-minimising).
    std::function<void(TForm1&)> firstShown;
};

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // Start-up of the window, in order: folders from the registry, device count, trees, pages.
    void FormCreate(const std::string& programFile);

    ManagerHooks hooks;
    // The action behind a function button; its pop-up menu item and drops run the same one.
    void SetFunctionAction(const QString& buttonName, std::function<void()> action);
    void RunFunction(const QString& buttonName);
    // Shows a pop-up menu at a screen position; tests replace it so no menu opens.
    std::function<void(QMenu*, const QPoint&)> showPopup;
    // Starts a drag of a tree's selected item; tests replace it since a real drag blocks.
    std::function<void(QTreeWidget*)> startDrag;

    // State of the window.
    int SoftwarePageMode = 0;
    std::string ProgramFolder;
    platform::PathField TaskFolder;
    platform::PathField TaskFilePath;
    platform::PathField TaskName;
    std::string AliasIniPath;
    int DeviceEntryCount = 0;

    // Handlers.
    void SwitchManager(Manager manager);
    void ShowDeviceView(const QString& page);
    void ApplyWidthRule();
    void CollapseToFirstLevel(QTreeWidget* tree);
    void BitBtn_ExpandDevTreeClick();
    void BitBtn_CollapseDevTreeClick();
    void BitBtn_DevRefreshClick();
    void BitBtn_ExpandSoftTreeClick();
    void BitBtn_CollapseSoftTreeClick();
    void NavigateAllDevicePane();
    void NavigateInstalledDevicePane();
    // The Alias pane decides by the record kinds of the selected node and its parent, which
    // the device manager knows.
    void NavigateAliasDevicePane(int itemKind, int parentKind);
    void NavigateContent(revorur::ContentPane* pane, const std::string& page);
    void OpenWithDefaultBrowser(const std::string& target);
    void ShowTip(const QString& buttonName);
    bool CanDragFrom(QTreeWidget* tree, QTreeWidgetItem* item) const;
    bool AcceptsDrop(const QString& buttonName, const QString& sourceTree) const;
    void TreeRightButtonDown(QTreeWidget* tree, const QPoint& viewportPos);
    void SetSwitchPage(SwitchNotebook notebook, bool enabled);
    bool IsSwitchEnabled(SwitchNotebook notebook) const;

    // Images shared with the managers' trees.
    ImageList ImageList_Device;
    ImageList ImageList_Software;
    ImageList ImageList_Task;

    // Controls, named as the design names them.
    QFrame* Panel_Top = nullptr;
    QToolButton* BitBtn_Device = nullptr;
    QToolButton* BitBtn_Software = nullptr;
    QToolButton* BitBtn_task = nullptr;
    revorur::ContentPane* CppWebBrowser_SearchToken = nullptr;
    QLabel* Panel1 = nullptr;

    QFrame* Panel_Left = nullptr;
    QFrame* Panel_Banner = nullptr;
    QLabel* Image_Banner = nullptr;
    QStackedWidget* Notebook_00 = nullptr;
    QFrame* Panel_DeviceInfo = nullptr;
    QToolButton* BitBtn_CollapseDevTree = nullptr;
    QToolButton* BitBtn_ExpandDevTree = nullptr;
    QToolButton* BitBtn_InstalledDevice = nullptr;
    QToolButton* BitBtn_AllDevice = nullptr;
    QToolButton* BitBtn_DeviceAlias = nullptr;
    QToolButton* BitBtn_DevRefresh = nullptr;
    QStackedWidget* Notebook_DeviceTree = nullptr;
    QTreeWidget* TreeView_AllDevice = nullptr;
    QTreeWidget* TreeView_InstalledDevice = nullptr;
    QTreeWidget* TreeView_DeviceAlias = nullptr;
    QFrame* Panel_SoftInfo = nullptr;
    QToolButton* BitBtn_CollapseSoftTree = nullptr;
    QToolButton* BitBtn_ExpandSoftTree = nullptr;
    QToolButton* BitBtn_SoftOverview = nullptr;
    QToolButton* BitBtn_SoftHwSupport = nullptr;
    QToolButton* BitBtn_SoftRefresh = nullptr;
    QTreeWidget* TreeView_Software = nullptr;
    QTreeWidget* TreeView_Task = nullptr;

    QFrame* Panel_01 = nullptr;
    QStackedWidget* Notebook_01 = nullptr;
    QTreeWidget* ListView_Task = nullptr;
    QStackedWidget* Notebook_DeviceHtml = nullptr;
    revorur::ContentPane* CppWebBrowser_AllDevice = nullptr;
    revorur::ContentPane* CppWebBrowser_InstalledDevice = nullptr;
    revorur::ContentPane* CppWebBrowser_DeviceAlias = nullptr;
    revorur::ContentPane* CppWebBrowser_Software = nullptr;

    QFrame* Panel_Bottom = nullptr;
    QStackedWidget* Notebook_Function = nullptr;
    QLineEdit* Edit_DevProduct = nullptr;
    QLineEdit* Edit_DevDescription = nullptr;
    QPlainTextEdit* Memo_DevTip = nullptr;
    QLineEdit* EditSoftProduct = nullptr;
    QLineEdit* Edit_SoftDescription = nullptr;
    QPlainTextEdit* Memo_SoftTip = nullptr;
    QLineEdit* Edit_Task = nullptr;
    QLineEdit* Edit_TaskDescription = nullptr;
    QPlainTextEdit* Memo_TaskTip = nullptr;
    QStackedWidget* Notebook_DeviceFunction = nullptr;
    QStackedWidget* Notebook_DevCalibration = nullptr;
    QStackedWidget* Notebook_TaskFunc = nullptr;

    QMenuBar* MainMenu1 = nullptr;
    QAction* menuExit = nullptr;
    QAction* menuTaskFolder = nullptr;
    QAction* menuDevice = nullptr;
    QAction* menuSoftware = nullptr;
    QAction* menuTask = nullptr;
    QAction* Menu_Refresh = nullptr;
    QAction* Menu_Dozazar = nullptr;
    QAction* menuSystemInformation = nullptr;
    QAction* menuSystemDeviceManager = nullptr;
    QAction* menuVideoTutorials = nullptr;
    QAction* menuAbout = nullptr;
    QAction* menuCustomerFeedback = nullptr;
    QAction* menuTechnicalSupport = nullptr;
    QMenu* PopupMenu_Device = nullptr;
    QMenu* PopupMenu_Task = nullptr;
    QMenu* PopupMenu_Software = nullptr;
    QMenu* PopupMenu_DeviceAlias = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildTopPanel();
    void buildLeftPanel();
    void buildContentPanel();
    void buildBottomPanel();
    void buildFunctionPage(Manager manager, QWidget* page, QLineEdit*& product, QLineEdit*& description,
                           QPlainTextEdit*& tip, const QString& productText, const QString& descriptionText,
                           const QString& tipText);
    void buildFunctionButtons();
    void buildMenus();
    void buildPopupMenus();
    void connectTree(QTreeWidget* tree);
    QToolButton* makeFunctionButton(const FunctionButton& button, QWidget* parent, bool inert);
    QPlainTextEdit* tipMemoOf(Manager manager) const;
    QStackedWidget* switchNotebook(SwitchNotebook notebook) const;

    std::map<QString, std::function<void()>> functionActions_;
    std::map<QObject*, QString> buttonOfWidget_; // working buttons and twins, for tips and drops
    QTreeWidget* dragSource_ = nullptr;          // tree whose left press may start a drag
    QPoint dragStartPos_;
    bool shownOnce_ = false;
};

} // namespace doz::shell
