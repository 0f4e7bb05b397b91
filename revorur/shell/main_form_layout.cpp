// The main window's layout: panels, notebooks, trees, content panes and the function panel.

#include "main_form.h"

#include "notebook.h"
#include "revorur/shell/content/content_pane.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace doz::shell {
namespace {

template <typename T, typename... Args> T* named(const char* name, QWidget* parent, Args&&... args) {
    auto* w = new T(std::forward<Args>(args)..., parent);
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QFrame* panel(const char* name, QWidget* parent) {
    auto* f = named<QFrame>(name, parent);
    f->setFrameShape(QFrame::NoFrame);
    return f;
}

QStackedWidget* notebook(const char* name, QWidget* parent, const QStringList& pages) {
    auto* nb = named<QStackedWidget>(name, parent);
    AddNotebookPages(nb, pages);
    return nb;
}

QVBoxLayout* column(QWidget* w, int spacing = 0) {
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(spacing);
    return l;
}

QToolButton* toolButton(const char* name, QWidget* parent, const QString& hint, const QIcon& icon, int size) {
    auto* b = named<QToolButton>(name, parent);
    b->setToolTip(hint);
    b->setAccessibleName(hint);
    b->setIcon(icon);
    b->setIconSize(QSize(size, size));
    b->setAutoRaise(true);
    return b;
}

// A 41-pixel row of small tool buttons above a tree.
QFrame* toolRow(const char* name, QWidget* parent) {
    QFrame* row = panel(name, parent);
    row->setFixedHeight(41);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    return row;
}

QToolButton* rowButton(QFrame* row, const char* name, const QString& hint, const QString& glyph,
                       const QColor& color) {
    QToolButton* b = toolButton(name, row, hint, GlyphIcon(glyph, color, 28), 28);
    row->layout()->addWidget(b);
    return b;
}

void endRow(QFrame* row) {
    static_cast<QHBoxLayout*>(row->layout())->addStretch(1);
}

QTreeWidget* tree(const char* name, QWidget* parent, bool sorted) {
    auto* t = named<QTreeWidget>(name, parent);
    t->setHeaderHidden(true);
    t->setColumnCount(1);
    // Deep nodes ("Sub Type: M640AHG") scroll sideways instead of being cut off.
    t->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    t->header()->setStretchLastSection(false);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setContextMenuPolicy(Qt::NoContextMenu);
    t->setSortingEnabled(sorted);
    if (sorted)
        t->sortByColumn(0, Qt::AscendingOrder);
    return t;
}

revorur::ContentPane* pane(const char* name, QWidget* parent) {
    return named<revorur::ContentPane>(name, parent);
}

QLineEdit* readOnlyBox(const char* name, QWidget* parent, const QString& text, const QRect& geometry) {
    auto* e = named<QLineEdit>(name, parent);
    e->setReadOnly(true);
    e->setText(text);
    e->setGeometry(geometry);
    return e;
}

const QColor managerColor[] = {QColor(0x1e6fb8), QColor(0x2e8b57), QColor(0xb8741e)};

} // namespace

void TForm1::buildTopPanel() {
    Panel_Top = panel("Panel_Top", this);
    Panel_Top->setFixedHeight(49);
    auto* row = new QHBoxLayout(Panel_Top);
    row->setContentsMargins(4, 1, 0, 1);
    row->setSpacing(2);
    BitBtn_Device =
        toolButton("BitBtn_Device", Panel_Top, "Device Manager", GlyphIcon("DEV", managerColor[0], 40), 40);
    BitBtn_Software = toolButton("BitBtn_Software", Panel_Top, "Softeare Maintenance",
                                 GlyphIcon("SW", managerColor[1], 40), 40);
    BitBtn_task =
        toolButton("BitBtn_task", Panel_Top, "Task Manager", GlyphIcon("TSK", managerColor[2], 40), 40);
    CppWebBrowser_SearchToken = pane("CppWebBrowser_SearchToken", Panel_Top);
    CppWebBrowser_SearchToken->setFixedSize(377, 47);
    CppWebBrowser_SearchToken->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Panel1 = named<QLabel>("Panel1", Panel_Top);
    Panel1->setText("Dozazar Test & Measurement");
    Panel1->setAlignment(Qt::AlignCenter);
    Panel1->setAutoFillBackground(true);
    Panel1->setStyleSheet(
        "QLabel { background: #0b3d91; color: white; font-weight: bold; font-size: 16px; }");
    for (QWidget* w : {static_cast<QWidget*>(BitBtn_Device), static_cast<QWidget*>(BitBtn_Software),
                       static_cast<QWidget*>(BitBtn_task), static_cast<QWidget*>(CppWebBrowser_SearchToken)})
        row->addWidget(w);
    row->addWidget(Panel1, 1);
}

void TForm1::buildLeftPanel() {
    Panel_Left = panel("Panel_Left", this);
    Panel_Left->setFixedWidth(233);
    auto* col = column(Panel_Left);

    Panel_Banner = panel("Panel_Banner", Panel_Left);
    Panel_Banner->setFixedHeight(89);
    Image_Banner = named<QLabel>("Image_Banner", Panel_Banner);
    Image_Banner->setGeometry(0, 0, 233, 89);
    Image_Banner->setPixmap(BannerPixmap(233, 89));
    col->addWidget(Panel_Banner);

    Notebook_00 = notebook("Notebook_00", Panel_Left, {"Page_Device", "Page_Software", "Page_Task"});
    col->addWidget(Notebook_00, 1);

    // Device page: a row of view buttons over the three device trees.
    auto* devicePage = column(NotebookPage(Notebook_00, "Page_Device"));
    const QColor tool(0x4a6fa5);
    Panel_DeviceInfo = toolRow("Panel_DeviceInfo", Notebook_00);
    BitBtn_CollapseDevTree = rowButton(Panel_DeviceInfo, "BitBtn_CollapseDevTree", "Collapse", "−", tool);
    BitBtn_ExpandDevTree = rowButton(Panel_DeviceInfo, "BitBtn_ExpandDevTree", "Expand", "+", tool);
    BitBtn_InstalledDevice =
        rowButton(Panel_DeviceInfo, "BitBtn_InstalledDevice", "Installed Device", "IN", QColor(0x22a33a));
    BitBtn_AllDevice = rowButton(Panel_DeviceInfo, "BitBtn_AllDevice", "All Device", "ALL", tool);
    BitBtn_DeviceAlias =
        rowButton(Panel_DeviceInfo, "BitBtn_DeviceAlias", "Device Alias", "@", QColor(0xe0a020));
    BitBtn_DevRefresh = rowButton(Panel_DeviceInfo, "BitBtn_DevRefresh", "Refresh", "↻", tool);
    endRow(Panel_DeviceInfo);
    devicePage->addWidget(Panel_DeviceInfo);

    Notebook_DeviceTree = notebook("Notebook_DeviceTree", Notebook_00,
                                   {"Page_AllDevice", "Page_InstalledDevice", "Page_DeviceAlias"});
    TreeView_AllDevice = tree("TreeView_AllDevice", Notebook_DeviceTree, true);
    TreeView_InstalledDevice = tree("TreeView_InstalledDevice", Notebook_DeviceTree, true);
    TreeView_DeviceAlias = tree("TreeView_DeviceAlias", Notebook_DeviceTree, false);
    column(NotebookPage(Notebook_DeviceTree, "Page_AllDevice"))->addWidget(TreeView_AllDevice);
    column(NotebookPage(Notebook_DeviceTree, "Page_InstalledDevice"))->addWidget(TreeView_InstalledDevice);
    column(NotebookPage(Notebook_DeviceTree, "Page_DeviceAlias"))->addWidget(TreeView_DeviceAlias);
    ShowNotebookPage(Notebook_DeviceTree, "Page_InstalledDevice");
    devicePage->addWidget(Notebook_DeviceTree, 1);

    // Software page.
    auto* softwarePage = column(NotebookPage(Notebook_00, "Page_Software"));
    Panel_SoftInfo = toolRow("Panel_SoftInfo", Notebook_00);
    BitBtn_CollapseSoftTree = rowButton(Panel_SoftInfo, "BitBtn_CollapseSoftTree", "Collapse", "−", tool);
    BitBtn_ExpandSoftTree = rowButton(Panel_SoftInfo, "BitBtn_ExpandSoftTree", "Expand", "+", tool);
    BitBtn_SoftOverview =
        rowButton(Panel_SoftInfo, "BitBtn_SoftOverview", "Software Overview", "OV", QColor(0x2e8b57));
    BitBtn_SoftHwSupport =
        rowButton(Panel_SoftInfo, "BitBtn_SoftHwSupport", "Hardware Support", "HW", QColor(0x2e8b57));
    BitBtn_SoftRefresh = rowButton(Panel_SoftInfo, "BitBtn_SoftRefresh", "Refresh", "↻", tool);
    endRow(Panel_SoftInfo);
    softwarePage->addWidget(Panel_SoftInfo);
    TreeView_Software = tree("TreeView_Software", Notebook_00, false);
    TreeView_Software->setIndentation(35);
    softwarePage->addWidget(TreeView_Software, 1);

    // Task page.
    TreeView_Task = tree("TreeView_Task", Notebook_00, true);
    TreeView_Task->setIndentation(35);
    TreeView_Task->setIconSize(QSize(32, 32));
    column(NotebookPage(Notebook_00, "Page_Task"))->addWidget(TreeView_Task);

    ShowNotebookPage(Notebook_00, "Page_Device");
}

void TForm1::buildContentPanel() {
    Panel_01 = panel("Panel_01", this);
    Notebook_01 =
        notebook("Notebook_01", Panel_01, {"Page_Task", "Page_Device", "Page_Software", "Page_Utility"});
    column(Panel_01)->addWidget(Notebook_01);

    ListView_Task = named<QTreeWidget>("ListView_Task", Notebook_01);
    ListView_Task->setColumnCount(2);
    ListView_Task->setHeaderLabels({"Property", "Value"});
    ListView_Task->setRootIsDecorated(false);
    ListView_Task->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView_Task->setAlternatingRowColors(true);
    column(NotebookPage(Notebook_01, "Page_Task"))->addWidget(ListView_Task);

    Notebook_DeviceHtml = notebook("Notebook_DeviceHtml", Notebook_01,
                                   {"Page_AllDevice", "Page_InstalledDevice", "Page_DeviceAlias"});
    CppWebBrowser_AllDevice = pane("CppWebBrowser_AllDevice", Notebook_DeviceHtml);
    CppWebBrowser_InstalledDevice = pane("CppWebBrowser_InstalledDevice", Notebook_DeviceHtml);
    CppWebBrowser_DeviceAlias = pane("CppWebBrowser_DeviceAlias", Notebook_DeviceHtml);
    column(NotebookPage(Notebook_DeviceHtml, "Page_AllDevice"))->addWidget(CppWebBrowser_AllDevice);
    column(NotebookPage(Notebook_DeviceHtml, "Page_InstalledDevice"))
        ->addWidget(CppWebBrowser_InstalledDevice);
    column(NotebookPage(Notebook_DeviceHtml, "Page_DeviceAlias"))->addWidget(CppWebBrowser_DeviceAlias);
    ShowNotebookPage(Notebook_DeviceHtml, "Page_InstalledDevice");
    column(NotebookPage(Notebook_01, "Page_Device"))->addWidget(Notebook_DeviceHtml);

    CppWebBrowser_Software = pane("CppWebBrowser_Software", Notebook_01);
    column(NotebookPage(Notebook_01, "Page_Software"))->addWidget(CppWebBrowser_Software);

    ShowNotebookPage(Notebook_01, "Page_Device");
}

// Function pages are laid out at fixed positions, as designed; the width rule then stretches
// the description boxes and tip memos on wide windows.
namespace {
constexpr int boxLeft = 64;
constexpr int designBoxWidth = 640;
constexpr int buttonsLeft = 336;
constexpr int buttonSize = 36;
constexpr int buttonStep = 40;
} // namespace

void TForm1::buildBottomPanel() {
    Panel_Bottom = panel("Panel_Bottom", this);
    Panel_Bottom->setFixedHeight(119);
    Panel_Bottom->setFrameShape(QFrame::StyledPanel);
    Notebook_Function =
        notebook("Notebook_Function", Panel_Bottom, {"Page_Device", "Page_Software", "Page_Task"});
    column(Panel_Bottom)->addWidget(Notebook_Function);

    buildFunctionPage(
        Manager::Device, NotebookPage(Notebook_Function, "Page_Device"), Edit_DevProduct, Edit_DevDescription,
        Memo_DevTip, "Device Manager(All)", "Drag the selected device item to subfunction button to launch",
        "Adjusts the memory configuration for modules performing continuous AI, DI, and DO operations");
    Edit_DevProduct->setObjectName("Edit_DevProduct");
    Edit_DevDescription->setObjectName("Edit_DevDescription");
    Memo_DevTip->setObjectName("Memo_DevTip");
    buildFunctionPage(Manager::Software, NotebookPage(Notebook_Function, "Page_Software"), EditSoftProduct,
                      Edit_SoftDescription, Memo_SoftTip, "Software Manager",
                      "Drag the selected software item to subfunction button to launch",
                      "Displays a version table for software updating");
    EditSoftProduct->setObjectName("EditSoftProduct");
    Edit_SoftDescription->setObjectName("Edit_SoftDescription");
    Memo_SoftTip->setObjectName("Memo_SoftTip");
    buildFunctionPage(Manager::Task, NotebookPage(Notebook_Function, "Page_Task"), Edit_Task,
                      Edit_TaskDescription, Memo_TaskTip, "Task Manager",
                      "Drag the selected task item to subfunction button to launch", "Create new task");
    Edit_Task->setObjectName("Edit_Task");
    Edit_TaskDescription->setObjectName("Edit_TaskDescription");
    Memo_TaskTip->setObjectName("Memo_TaskTip");

    buildFunctionButtons();
    ShowNotebookPage(Notebook_Function, "Page_Device");
}

void TForm1::buildFunctionPage(Manager manager, QWidget* page, QLineEdit*& product, QLineEdit*& description,
                               QPlainTextEdit*& tip, const QString& productText,
                               const QString& descriptionText, const QString& tipText) {
    static const char* const glyphs[] = {"DEV", "SW", "TSK"};
    const int m = static_cast<int>(manager);
    auto* picture = new QLabel(page);
    picture->setPixmap(GlyphIcon(glyphs[m], managerColor[m], 48).pixmap(48, 48));
    picture->setGeometry(8, 8, 48, 48);

    product = readOnlyBox("", page, productText, QRect(boxLeft, 6, buttonsLeft - boxLeft - 12, 24));
    QFont bold = product->font();
    bold.setBold(true);
    product->setFont(bold);
    description = readOnlyBox("", page, descriptionText, QRect(boxLeft, 38, designBoxWidth, 24));
    tip = new QPlainTextEdit(page);
    tip->setReadOnly(true);
    tip->setPlainText(tipText);
    tip->setGeometry(boxLeft, 66, designBoxWidth, 44);
    tip->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

QToolButton* TForm1::makeFunctionButton(const FunctionButton& button, QWidget* parent, bool inert) {
    const QString name = QString::fromUtf8(inert ? button.twin.data() : button.name.data(),
                                           static_cast<int>(inert ? button.twin.size() : button.name.size()));
    const QIcon icon =
        GlyphIcon(QString::fromUtf8(button.glyph.data(), static_cast<int>(button.glyph.size())),
                  managerColor[static_cast<int>(button.manager)], 28);
    auto* b = new QToolButton(parent);
    b->setObjectName(name);
    b->setToolTip(QString::fromUtf8(button.hint.data(), static_cast<int>(button.hint.size())));
    b->setAccessibleName(b->toolTip());
    // The twin looks like its button but greyed out; it still shows the tip on hover.
    b->setIcon(inert ? QIcon(icon.pixmap(28, 28, QIcon::Disabled)) : icon);
    b->setIconSize(QSize(28, 28));
    b->setFixedSize(buttonSize, buttonSize);
    b->setFocusPolicy(inert ? Qt::NoFocus : Qt::TabFocus);
    b->setAcceptDrops(!inert);
    b->installEventFilter(this);
    buttonOfWidget_[b] = QString::fromUtf8(button.name.data(), static_cast<int>(button.name.size()));
    if (!inert)
        connect(b, &QToolButton::clicked, this, [this, n = buttonOfWidget_[b]] { RunFunction(n); });
    return b;
}

void TForm1::buildFunctionButtons() {
    struct SwitchSpot {
        SwitchNotebook notebook;
        const char* name;
        Manager manager;
        int left;
        int buttonCount;
        QStringList pages;
    };
    const SwitchSpot spots[] = {
        {SwitchNotebook::DeviceFunction,
         "Notebook_DeviceFunction",
         Manager::Device,
         buttonsLeft,
         2,
         {"Enable", "Disable"}},
        {SwitchNotebook::DevCalibration,
         "Notebook_DevCalibration",
         Manager::Device,
         buttonsLeft + 2 * buttonStep,
         1,
         {"Enable", "Disable"}},
        {SwitchNotebook::TaskFunc,
         "Notebook_TaskFunc",
         Manager::Task,
         buttonsLeft + buttonStep,
         5,
         {"Disable", "Enable"}},
    };
    std::map<SwitchNotebook, QStackedWidget*> switches;
    for (const auto& spot : spots) {
        QWidget* page =
            NotebookPage(Notebook_Function, spot.manager == Manager::Device ? "Page_Device" : "Page_Task");
        QStackedWidget* nb = notebook(spot.name, page, spot.pages);
        nb->setGeometry(spot.left, 2, spot.buttonCount * buttonStep, buttonSize);
        ShowNotebookPage(nb, "Disable");
        switches[spot.notebook] = nb;
    }
    Notebook_DeviceFunction = switches[SwitchNotebook::DeviceFunction];
    Notebook_DevCalibration = switches[SwitchNotebook::DevCalibration];
    Notebook_TaskFunc = switches[SwitchNotebook::TaskFunc];

    static const char* const pageOf[] = {"Page_Device", "Page_Software", "Page_Task"};
    std::map<QWidget*, int> nextSlot;
    for (const auto& button : FunctionButtons()) {
        if (button.notebook == SwitchNotebook::None) {
            QWidget* page = NotebookPage(Notebook_Function, pageOf[static_cast<int>(button.manager)]);
            QToolButton* b = makeFunctionButton(button, page, false);
            b->move(buttonsLeft + buttonStep * nextSlot[page]++, 2);
            continue;
        }
        QStackedWidget* nb = switches[button.notebook];
        QWidget* enablePage = NotebookPage(nb, "Enable");
        QWidget* disablePage = NotebookPage(nb, "Disable");
        const int x = buttonStep * nextSlot[enablePage]++;
        makeFunctionButton(button, enablePage, false)->move(x, 0);
        makeFunctionButton(button, disablePage, true)->move(x, 0);
    }
}

} // namespace doz::shell
