#include "main_form.h"

#include "content_rules.h"
#include "default_browser.h"
#include "notebook.h"
#include "revorur/shell/content/content_pane.h"
#include "startup_paths.h"
#include "tree_nodes.h"

#include <QAction>
#include <QDrag>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace doz::shell {

namespace {
const char* const managerPages[] = {"Page_Device", "Page_Software", "Page_Task"};
}

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent), ImageList_Device(DeviceImageList()), ImageList_Software(SoftwareImageList()),
      ImageList_Task(TaskImageList()) {
    setObjectName("Form1");
    setWindowTitle("Revorur V1.52");
    QFont font("MS Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    setFont(font);
    resize(1106, 891);
    setMinimumSize(800, 600);

    showPopup = [](QMenu* menu, const QPoint& at) { menu->popup(at); };
    startDrag = [](QTreeWidget* tree) {
        auto* drag = new QDrag(tree);
        auto* mime = new QMimeData;
        mime->setData(TreeDragMimeType, tree->objectName().toUtf8());
        drag->setMimeData(mime);
        if (QTreeWidgetItem* item = tree->currentItem())
            drag->setPixmap(item->icon(0).pixmap(32, 32));
        drag->exec(Qt::CopyAction);
    };

    auto* central = new QWidget(this);
    setCentralWidget(central);
    buildTopPanel();
    buildLeftPanel();
    buildContentPanel();
    buildBottomPanel();
    buildMenus();
    buildPopupMenus();

    auto* col = new QVBoxLayout(central);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    col->addWidget(Panel_Top);
    auto* middle = new QHBoxLayout;
    middle->setSpacing(0);
    middle->addWidget(Panel_Left);
    middle->addWidget(Panel_01, 1);
    col->addLayout(middle, 1);
    col->addWidget(Panel_Bottom);

    for (QTreeWidget* t : {TreeView_AllDevice, TreeView_InstalledDevice, TreeView_DeviceAlias,
                           TreeView_Software, TreeView_Task})
        connectTree(t);
    Panel_Bottom->installEventFilter(this);

    connect(BitBtn_Device, &QToolButton::clicked, this, [this] { SwitchManager(Manager::Device); });
    connect(BitBtn_Software, &QToolButton::clicked, this, [this] { SwitchManager(Manager::Software); });
    connect(BitBtn_task, &QToolButton::clicked, this, [this] { SwitchManager(Manager::Task); });
    connect(BitBtn_AllDevice, &QToolButton::clicked, this, [this] { ShowDeviceView("Page_AllDevice"); });
    connect(BitBtn_InstalledDevice, &QToolButton::clicked, this,
            [this] { ShowDeviceView("Page_InstalledDevice"); });
    connect(BitBtn_DeviceAlias, &QToolButton::clicked, this, [this] { ShowDeviceView("Page_DeviceAlias"); });
    connect(BitBtn_ExpandDevTree, &QToolButton::clicked, this, [this] { BitBtn_ExpandDevTreeClick(); });
    connect(BitBtn_CollapseDevTree, &QToolButton::clicked, this, [this] { BitBtn_CollapseDevTreeClick(); });
    connect(BitBtn_DevRefresh, &QToolButton::clicked, this, [this] { BitBtn_DevRefreshClick(); });
    connect(BitBtn_ExpandSoftTree, &QToolButton::clicked, this, [this] { BitBtn_ExpandSoftTreeClick(); });
    connect(BitBtn_CollapseSoftTree, &QToolButton::clicked, this, [this] { BitBtn_CollapseSoftTreeClick(); });
    for (QToolButton* b : {BitBtn_SoftOverview, BitBtn_SoftHwSupport, BitBtn_SoftRefresh})
        connect(b, &QToolButton::clicked, this, [this, b] { RunFunction(b->objectName()); });
    for (revorur::ContentPane* p :
         {CppWebBrowser_SearchToken, CppWebBrowser_AllDevice, CppWebBrowser_InstalledDevice,
          CppWebBrowser_DeviceAlias, CppWebBrowser_Software})
        connect(p, &revorur::ContentPane::externalLinkActivated, this,
                [this](const QUrl& url) { OpenWithDefaultBrowser(url.toString().toStdString()); });
}

TForm1::~TForm1() = default;

void TForm1::FormCreate(const std::string& programFile) {
    ProgramFolder = ProgramFolderOf(programFile);
    ListView_Task->header()->resizeSection(0, 100);
    ListView_Task->header()->resizeSection(1, 444);
    SoftwarePageMode = 0;

    const StartupPaths paths = ReadStartupPaths(ProgramFolder);
    TaskFolder = paths.taskFolder.str();
    AliasIniPath = paths.aliasIniPath;
    if (!paths.aliasStoreRegistered)
        BitBtn_DeviceAlias->setEnabled(false);

    DeviceEntryCount = hooks.deviceEntryCount ? hooks.deviceEntryCount() : 0;
    for (const auto& build : {hooks.buildAllDeviceTree, hooks.buildAliasTree, hooks.buildInstalledDeviceTree,
                              hooks.buildSoftwareTree, hooks.buildTaskTree})
        if (build)
            build(*this);

    NavigateContent(CppWebBrowser_SearchToken, std::string(SearchTokenPage));
    NavigateContent(CppWebBrowser_AllDevice, std::string(SelectionGuidePage));
    NavigateContent(CppWebBrowser_InstalledDevice, std::string(SelectionGuidePage));
    NavigateContent(CppWebBrowser_Software, std::string(SoftwareProductPage));
    ApplyWidthRule();
}

void TForm1::SetFunctionAction(const QString& buttonName, std::function<void()> action) {
    functionActions_[buttonName] = std::move(action);
}

void TForm1::RunFunction(const QString& buttonName) {
    const auto it = functionActions_.find(buttonName);
    if (it != functionActions_.end() && it->second)
        it->second();
}

void TForm1::SwitchManager(Manager manager) {
    menuDevice->setChecked(manager == Manager::Device);
    menuSoftware->setChecked(manager == Manager::Software);
    menuTask->setChecked(manager == Manager::Task);
    const QString page = managerPages[static_cast<int>(manager)];
    for (QStackedWidget* nb : {Notebook_00, Notebook_01, Notebook_Function})
        ShowNotebookPage(nb, page);
}

void TForm1::ShowDeviceView(const QString& page) {
    ShowNotebookPage(Notebook_DeviceTree, page);
    ShowNotebookPage(Notebook_DeviceHtml, page);
}

void TForm1::ApplyWidthRule() {
    const int width = Panel_Bottom->width();
    if (width <= 800)
        return;
    for (QWidget* w : std::initializer_list<QWidget*>{Edit_DevDescription, Memo_DevTip, Edit_SoftDescription,
                                                      Memo_SoftTip, Edit_TaskDescription, Memo_TaskTip})
        w->resize(width - w->x() - 15, w->height());
}

void TForm1::CollapseToFirstLevel(QTreeWidget* tree) {
    bool first = true;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        (*it)->setExpanded(first);
        first = false;
    }
}

void TForm1::BitBtn_ExpandDevTreeClick() {
    for (QTreeWidget* t : {TreeView_AllDevice, TreeView_InstalledDevice, TreeView_DeviceAlias})
        t->expandAll();
}

void TForm1::BitBtn_CollapseDevTreeClick() {
    for (QTreeWidget* t : {TreeView_AllDevice, TreeView_InstalledDevice, TreeView_DeviceAlias})
        CollapseToFirstLevel(t);
}

void TForm1::BitBtn_DevRefreshClick() {
    NavigateAllDevicePane();
    NavigateInstalledDevicePane();
}

void TForm1::BitBtn_ExpandSoftTreeClick() {
    TreeView_Software->expandAll();
    TreeView_Software->viewport()->update();
}

void TForm1::BitBtn_CollapseSoftTreeClick() {
    CollapseToFirstLevel(TreeView_Software);
    TreeView_Software->viewport()->update();
}

namespace {
std::string textOf(const QTreeWidgetItem* item) {
    return item ? item->text(0).toStdString() : std::string();
}
} // namespace

void TForm1::NavigateAllDevicePane() {
    const QTreeWidgetItem* item = TreeView_AllDevice->currentItem();
    NavigateContent(CppWebBrowser_AllDevice,
                    item ? AllDevicePage(textOf(item)) : std::string(SelectionGuidePage));
}

void TForm1::NavigateInstalledDevicePane() {
    const QTreeWidgetItem* item = TreeView_InstalledDevice->currentItem();
    NavigateContent(CppWebBrowser_InstalledDevice,
                    item ? InstalledDevicePage(textOf(item)) : std::string(SelectionGuidePage));
}

void TForm1::NavigateAliasDevicePane(int itemKind, int parentKind) {
    const QTreeWidgetItem* item = TreeView_DeviceAlias->currentItem();
    if (!item)
        return;
    const std::string text = textOf(item);
    const std::string parentText = textOf(item->parent());
    NavigateContent(CppWebBrowser_DeviceAlias, AliasDevicePage({itemKind, text, parentKind, parentText}));
}

void TForm1::NavigateContent(revorur::ContentPane* pane, const std::string& page) {
    pane->navigate(QString::fromStdString(ContentPath(ProgramFolder, page)));
}

void TForm1::OpenWithDefaultBrowser(const std::string& target) {
    shell::OpenWithDefaultBrowser(target);
}

QPlainTextEdit* TForm1::tipMemoOf(Manager manager) const {
    switch (manager) {
    case Manager::Device:
        return Memo_DevTip;
    case Manager::Software:
        return Memo_SoftTip;
    case Manager::Task:
        return Memo_TaskTip;
    }
    return nullptr;
}

void TForm1::ShowTip(const QString& buttonName) {
    const FunctionButton* button = FindFunctionButton(buttonName.toStdString());
    if (button)
        tipMemoOf(button->manager)
            ->setPlainText(QString::fromUtf8(button->tip.data(), static_cast<int>(button->tip.size())));
}

QStackedWidget* TForm1::switchNotebook(SwitchNotebook notebook) const {
    switch (notebook) {
    case SwitchNotebook::DeviceFunction:
        return Notebook_DeviceFunction;
    case SwitchNotebook::DevCalibration:
        return Notebook_DevCalibration;
    case SwitchNotebook::TaskFunc:
        return Notebook_TaskFunc;
    case SwitchNotebook::None:
        break;
    }
    return nullptr;
}

void TForm1::SetSwitchPage(SwitchNotebook notebook, bool enabled) {
    if (QStackedWidget* nb = switchNotebook(notebook))
        ShowNotebookPage(nb, enabled ? "Enable" : "Disable");
}

bool TForm1::IsSwitchEnabled(SwitchNotebook notebook) const {
    const QStackedWidget* nb = switchNotebook(notebook);
    return !nb || CurrentNotebookPage(nb) == "Enable";
}

} // namespace doz::shell
