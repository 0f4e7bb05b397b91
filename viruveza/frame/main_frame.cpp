#include "viruveza/frame/main_frame.h"

#include "viruveza/frame/child_frame.h"
#include "viruveza/frame/data_source_browser.h"
#include "viruveza/frame/frame_icons.h"
#include "viruveza/frame/message_window.h"
#include "viruveza/frame/test_view.h"
#include "viruveza/frame/viruveza_app.h"
#include "viruveza/frame/viruveza_doc.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace doz::frame {

namespace {

// Adds the actions of `names` in order; an empty name is a separator.
template <typename Target, typename Lookup>
void addItems(Target* target, std::initializer_list<const char*> names, Lookup lookup) {
    for (const char* name : names) {
        if (*name)
            target->addAction(lookup(name));
        else
            target->addSeparator();
    }
}

} // namespace

CMainFrame::CMainFrame(CViruvezaApp& app) : app_(app) {
    setObjectName("CMainFrame");
    setWindowTitle("Ruzidavidez");
    setWindowIcon(frameIcon(FrameIcon::Program));
    setAcceptDrops(true);
    mdiArea = new QMdiArea;
    mdiArea->setObjectName("MdiArea");
    mdiArea->setBackground(QColor(118, 128, 144));
    mdiArea->setDocumentMode(false);
    setCentralWidget(mdiArea);
    createPanels();
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    showMenusFor(false);
    resize(1100, 760);

    connect(mdiArea, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            app_.childActivated(child->document());
    });
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::createPanels() {
    browser = new DataSourceBrowser(this);
    browser->activate = [this](CViruvezaDoc& document) { app_.activateFromBrowser(document); };
    addDockWidget(Qt::LeftDockWidgetArea, browser);
    messages = new MessageWindow(this);
    addDockWidget(Qt::BottomDockWidgetArea, messages);
    resizeDocks({browser}, {250}, Qt::Horizontal);
    resizeDocks({messages}, {150}, Qt::Vertical);
}

QAction* CMainFrame::action(const char* name) const {
    return findChild<QAction*>(name);
}

QAction* CMainFrame::makeAction(const char* name, const QString& text, const QString& tip) {
    auto* item = new QAction(text, this);
    item->setObjectName(name);
    item->setStatusTip(tip);
    QString plain = text.section('\t', 0, 0);
    item->setToolTip(plain.remove('&').remove("..."));
    return item;
}

void CMainFrame::createActions() {
    struct Command {
        const char* name;
        const char* text;
        const char* tip;
        FrameIcon icon;
        bool hasIcon;
        void (CViruvezaApp::*handler)();
    };
    const Command commands[] = {
        {"ID_FILE_NEW", "&New\tCtrl+N", "Create a new code source with the wizard", FrameIcon::New, true,
         &CViruvezaApp::OnFileNew},
        {"ID_FILE_OPEN", "&Open...\tCtrl+O", "Open an existing code file", FrameIcon::Open, true,
         &CViruvezaApp::OnFileOpen},
        {"ID_FILE_CLOSE", "&Close", "Close the active code source", FrameIcon::Open, false,
         &CViruvezaApp::OnFileClose},
        {"ID_FILE_SAVE", "&Save\tCtrl+S", "Save the active code source", FrameIcon::Save, true,
         &CViruvezaApp::OnFileSave},
        {"ID_FILE_SAVE_AS", "Save &As...", "Save the active code source under a new name", FrameIcon::Save,
         false, &CViruvezaApp::OnFileSaveAs},
        {"ID_FILE_PRINT", "&Print...\tCtrl+P", "Print the active code source", FrameIcon::Print, true,
         &CViruvezaApp::OnFilePrint},
        {"ID_FILE_PRINT_PREVIEW", "Print Pre&view", "Show the pages as they will be printed",
         FrameIcon::PrintPreview, true, &CViruvezaApp::OnFilePrintPreview},
        {"ID_FILE_PRINT_SETUP", "P&rint Setup...", "Choose the printer and the page orientation",
         FrameIcon::Print, false, &CViruvezaApp::OnFilePrintSetup},
        {"ID_APP_EXIT", "E&xit", "Quit Ruzidavidez", FrameIcon::Open, false, &CViruvezaApp::OnAppExit},
        {"ID_APP_ABOUT", "&About Ruzidavidez...", "Program information and version", FrameIcon::About, true,
         &CViruvezaApp::OnAppAbout},
        {"ID_ABOUT_MY_COMPUTER", "About My Computer...", "Processor and memory status of this computer",
         FrameIcon::About, false, &CViruvezaApp::OnAboutMyComputer},
    };
    for (const Command& command : commands) {
        QAction* item = makeAction(command.name, command.text, command.tip);
        if (command.hasIcon)
            item->setIcon(frameIcon(command.icon));
        connect(item, &QAction::triggered, &app_, command.handler);
    }
    action("ID_FILE_NEW")->setShortcut(QKeySequence("Ctrl+N"));
    action("ID_FILE_OPEN")->setShortcut(QKeySequence("Ctrl+O"));
    action("ID_FILE_SAVE")->setShortcut(QKeySequence("Ctrl+S"));
    action("ID_FILE_PRINT")->setShortcut(QKeySequence("Ctrl+P"));

    for (const char* name : {"ID_FILE_SAVE_ALL", "ID_EXPORT_EXCEL", "ID_EXPORT_CSV"})
        makeAction(name, "", "")->setEnabled(false);
    action("ID_FILE_SAVE_ALL")->setText("Save All");
    action("ID_FILE_SAVE_ALL")->setIcon(frameIcon(FrameIcon::SaveAll));
    action("ID_EXPORT_EXCEL")->setText("Export to Excel");
    action("ID_EXPORT_EXCEL")->setIcon(frameIcon(FrameIcon::ExportExcel));
    action("ID_EXPORT_CSV")->setText("Export to .CSV");
    action("ID_EXPORT_CSV")->setIcon(frameIcon(FrameIcon::ExportCsv));

    struct Edit {
        const char* name;
        const char* text;
        const char* keys[2];
        void (QPlainTextEdit::*slot)();
    };
    const Edit edits[] = {
        {"ID_EDIT_UNDO", "&Undo\tCtrl+Z", {"Ctrl+Z", "Alt+Backspace"}, &QPlainTextEdit::undo},
        {"ID_EDIT_CUT", "Cu&t\tCtrl+X", {"Ctrl+X", "Shift+Del"}, &QPlainTextEdit::cut},
        {"ID_EDIT_COPY", "&Copy\tCtrl+C", {"Ctrl+C", "Ctrl+Ins"}, &QPlainTextEdit::copy},
        {"ID_EDIT_PASTE", "&Paste\tCtrl+V", {"Ctrl+V", "Shift+Ins"}, &QPlainTextEdit::paste},
    };
    for (const Edit& edit : edits) {
        QAction* item = makeAction(edit.name, edit.text, "");
        item->setShortcuts({QKeySequence(edit.keys[0]), QKeySequence(edit.keys[1])});
        connect(item, &QAction::triggered, this, [this, slot = edit.slot] {
            if (CViruvezaDoc* document = app_.activeCodeSource(); document && document->view)
                (document->view->*slot)();
        });
    }
    QAction* nextPane = makeAction("ID_NEXT_PANE", "Next Pane", "");
    nextPane->setShortcut(QKeySequence("F6"));
    connect(nextPane, &QAction::triggered, mdiArea, &QMdiArea::activateNextSubWindow);
    QAction* previousPane = makeAction("ID_PREV_PANE", "Previous Pane", "");
    previousPane->setShortcut(QKeySequence("Shift+F6"));
    connect(previousPane, &QAction::triggered, mdiArea, &QMdiArea::activatePreviousSubWindow);
    addAction(nextPane);
    addAction(previousPane);

    struct Window {
        const char* name;
        const char* text;
        void (CMainFrame::*handler)();
    };
    const Window windows[] = {
        {"ID_WINDOW_CASCADE", "&Cascade", &CMainFrame::OnWindowCascade},
        {"ID_WINDOW_TILE_HORZ", "&Tile Horizontally", &CMainFrame::OnWindowTileHorz},
        {"ID_WINDOW_TILE_VERT", "Tile Vertically", &CMainFrame::OnWindowTileVert},
        {"ID_WINDOW_MAXIMIZE", "Ma&ximized Window", &CMainFrame::OnWindowMaximize},
    };
    for (const Window& window : windows) {
        QAction* item = makeAction(window.name, window.text, "");
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, handler = window.handler] { (this->*handler)(); });
    }
    action("ID_WINDOW_MAXIMIZE")->setChecked(true);
}

void CMainFrame::createMenus() {
    fileMenu_ = menuBar()->addMenu("&File");
    editMenu_ = menuBar()->addMenu("&Edit");
    addItems(editMenu_, {"ID_EDIT_UNDO", "", "ID_EDIT_CUT", "ID_EDIT_COPY", "ID_EDIT_PASTE"},
             [this](const char* name) { return action(name); });
    viewMenu_ = menuBar()->addMenu("&View");
    windowMenu_ = menuBar()->addMenu("&Window");
    for (const char* name :
         {"ID_WINDOW_CASCADE", "ID_WINDOW_TILE_HORZ", "ID_WINDOW_TILE_VERT", "ID_WINDOW_MAXIMIZE"})
        windowMenu_->addAction(action(name));
    helpMenu_ = menuBar()->addMenu("&Help");
    helpMenu_->addAction(action("ID_APP_ABOUT"));
    helpMenu_->addAction(action("ID_ABOUT_MY_COMPUTER"));
}

void CMainFrame::createToolBar() {
    toolBar = addToolBar("Toolbar");
    toolBar->setObjectName("ToolBar");
    toolBar->setIconSize(QSize(24, 24));
    toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    addItems(toolBar,
             {"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_SAVE", "ID_FILE_SAVE_ALL", "", "ID_EXPORT_EXCEL",
              "ID_EXPORT_CSV", "", "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", "", "ID_APP_ABOUT"},
             [this](const char* name) { return action(name); });

    QAction* toolBarItem = toolBar->toggleViewAction();
    toolBarItem->setText("&Toolbar");
    toolBarItem->setObjectName("ID_VIEW_TOOLBAR");
    auto* statusItem = makeAction("ID_VIEW_STATUS_BAR", "&Status Bar", "Show or hide the status bar");
    statusItem->setCheckable(true);
    statusItem->setChecked(true);
    connect(statusItem, &QAction::toggled, this, [this](bool shown) { statusBar()->setVisible(shown); });
    QAction* browserItem = browser->toggleViewAction();
    browserItem->setText("&Data Source Browser");
    browserItem->setObjectName("ID_VIEW_BROWSER");
    QAction* messageItem = messages->toggleViewAction();
    messageItem->setText("&Message Window");
    messageItem->setObjectName("ID_VIEW_MESSAGE");
    for (QAction* item : {toolBarItem, statusItem, browserItem, messageItem})
        viewMenu_->addAction(item);
}

void CMainFrame::createStatusBar() {
    statusBar()->setObjectName("StatusBar");
    auto* progressLabel = new QLabel("Progress");
    progressBar = new QProgressBar;
    progressBar->setObjectName("ProgressBar");
    progressBar->setRange(0, 100);
    progressBar->setValue(0);
    progressBar->setTextVisible(false);
    progressBar->setFixedWidth(140);
    progressBar->setMaximumHeight(14);
    statusBar()->addPermanentWidget(progressLabel);
    statusBar()->addPermanentWidget(progressBar);
    for (const char* indicator : {"NUM", "SCRL"}) {
        auto* label = new QLabel(indicator);
        label->setObjectName(QString("Indicator_") + indicator);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMinimumWidth(40);
        label->setAlignment(Qt::AlignCenter);
        statusBar()->addPermanentWidget(label);
    }
    statusBar()->showMessage("Ready");
}

void CMainFrame::showMenusFor(bool documentsOpen) {
    documentsOpen_ = documentsOpen;
    fileMenu_->clear();
    const auto lookup = [this](const char* name) { return action(name); };
    if (documentsOpen)
        addItems(fileMenu_,
                 {"ID_FILE_NEW", "ID_FILE_OPEN", "ID_FILE_CLOSE", "ID_FILE_SAVE", "ID_FILE_SAVE_AS", "",
                  "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW", "ID_FILE_PRINT_SETUP"},
                 lookup);
    else
        addItems(fileMenu_, {"ID_FILE_NEW", "ID_FILE_OPEN", "", "ID_FILE_PRINT_SETUP"}, lookup);
    if (!recentActions_.empty()) {
        fileMenu_->addSeparator();
        for (QAction* recent : recentActions_)
            fileMenu_->addAction(recent);
    }
    fileMenu_->addSeparator();
    fileMenu_->addAction(action("ID_APP_EXIT"));
    editMenu_->menuAction()->setVisible(documentsOpen);
    windowMenu_->menuAction()->setVisible(documentsOpen);
    for (const char* name :
         {"ID_FILE_CLOSE", "ID_FILE_SAVE", "ID_FILE_SAVE_AS", "ID_FILE_PRINT", "ID_FILE_PRINT_PREVIEW",
          "ID_EDIT_UNDO", "ID_EDIT_CUT", "ID_EDIT_COPY", "ID_EDIT_PASTE"})
        action(name)->setEnabled(documentsOpen);
}

void CMainFrame::showRecentFiles(const std::vector<std::string>& paths) {
    for (QAction* recent : recentActions_)
        delete recent;
    recentActions_.clear();
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const QString shown = QString::fromStdString(shortenedPath(paths[i]));
        QAction* recent =
            makeAction(QString("ID_FILE_MRU_FILE%1").arg(i + 1).toUtf8().constData(),
                       QString("&%1 %2").arg(i + 1).arg(shown), QString::fromStdString(paths[i]));
        connect(recent, &QAction::triggered, this, [this, i] { app_.OnOpenRecentFile(static_cast<int>(i)); });
        recentActions_.push_back(recent);
    }
    showMenusFor(documentsOpen_);
}

void CMainFrame::postMessage(const QString& line) {
    messages->post(line);
}

CChildFrame* CMainFrame::addChild(CViruvezaDoc& document) {
    auto* child = new CChildFrame(document);
    child->setWindowIcon(frameIcon(FrameIcon::CodeSource));
    child->canClose = [this](CViruvezaDoc& closing) {
        app_.closeCodeSource(closing, CViruvezaApp::AskToSave::Yes);
        return false;
    };
    mdiArea->addSubWindow(child);
    if (arrangement_ == Arrangement::Maximized) {
        child->showMaximized();
    } else {
        child->resize(mdiArea->size() * 0.7);
        child->show();
        setArrangement(arrangement_);
    }
    mdiArea->setActiveSubWindow(child);
    return child;
}

CChildFrame* CMainFrame::childOf(const CViruvezaDoc& document) const {
    for (QMdiSubWindow* window : mdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window); child && &child->document() == &document)
            return child;
    return nullptr;
}

void CMainFrame::removeChild(CViruvezaDoc& document) {
    if (CChildFrame* child = childOf(document)) {
        child->canClose = nullptr;
        mdiArea->removeSubWindow(child);
        child->deleteLater();
    }
    document.view = nullptr;
}

void CMainFrame::bringToFront(CViruvezaDoc& document) {
    if (CChildFrame* child = childOf(document)) {
        mdiArea->setActiveSubWindow(child);
        child->raise();
    }
}

void CMainFrame::setArrangement(Arrangement arrangement) {
    arrangement_ = arrangement;
    const char* names[] = {"ID_WINDOW_CASCADE", "ID_WINDOW_TILE_HORZ", "ID_WINDOW_TILE_VERT",
                           "ID_WINDOW_MAXIMIZE"};
    for (int i = 0; i < 4; ++i)
        action(names[i])->setChecked(i == static_cast<int>(arrangement));
    switch (arrangement) {
    case Arrangement::Cascade:
        mdiArea->cascadeSubWindows();
        break;
    case Arrangement::TileHorizontally:
    case Arrangement::TileVertically:
        tile(arrangement);
        break;
    case Arrangement::Maximized:
        if (QMdiSubWindow* active = mdiArea->activeSubWindow())
            active->showMaximized();
        break;
    }
}

void CMainFrame::tile(Arrangement arrangement) {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : mdiArea->subWindowList())
        if (window->isEnabled())
            windows << window;
    const std::vector<QRect> rects =
        tiledRects(mdiArea->viewport()->rect(), static_cast<int>(windows.size()), arrangement);
    for (qsizetype i = 0; i < windows.size(); ++i) {
        windows[i]->showNormal();
        windows[i]->setGeometry(rects[static_cast<std::size_t>(i)]);
    }
}

void CMainFrame::OnWindowCascade() {
    for (QMdiSubWindow* window : mdiArea->subWindowList())
        window->showNormal();
    setArrangement(Arrangement::Cascade);
}

void CMainFrame::OnWindowTileHorz() {
    setArrangement(Arrangement::TileHorizontally);
}

void CMainFrame::OnWindowTileVert() {
    setArrangement(Arrangement::TileVertically);
}

void CMainFrame::OnWindowMaximize() {
    setArrangement(Arrangement::Maximized);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (app_.closeAllCodeSources(CViruvezaApp::AskToSave::Yes))
        event->accept();
    else
        event->ignore();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            app_.openByName(url.toLocalFile());
    event->acceptProposedAction();
}

} // namespace doz::frame
