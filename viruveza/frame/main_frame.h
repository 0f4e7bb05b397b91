#pragma once
// CMainFrame: the main window of Ruzidavidez. A multiple-document frame with a toolbar, a status
// bar, the data source browser and the message window; its menus route the commands to the
// application object.

#include "viruveza/frame/window_arrangement.h"

#include <QMainWindow>

#include <string>
#include <vector>

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QProgressBar;
class QToolBar;

namespace doz::frame {

class CChildFrame;
class CViruvezaApp;
class CViruvezaDoc;
class DataSourceBrowser;
class MessageWindow;

class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainFrame(CViruvezaApp& app);
    ~CMainFrame() override;

    QMdiArea* mdiArea;
    DataSourceBrowser* browser;
    MessageWindow* messages;
    QToolBar* toolBar;
    QProgressBar* progressBar;

    // The command of a menu item or toolbar button by its object name ("ID_FILE_NEW" ...).
    QAction* action(const char* name) const;

    // Posts a line to the message window; safe from any thread.
    void postMessage(const QString& line);

    CChildFrame* addChild(CViruvezaDoc& document);
    CChildFrame* childOf(const CViruvezaDoc& document) const;
    void removeChild(CViruvezaDoc& document);
    void bringToFront(CViruvezaDoc& document);

    // Menu 129 while code sources are open, else menu 128.
    void showMenusFor(bool documentsOpen);
    void showRecentFiles(const std::vector<std::string>& paths);

    Arrangement arrangement() const { return arrangement_; }
    void OnWindowCascade();
    void OnWindowTileHorz();
    void OnWindowTileVert();
    void OnWindowMaximize();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction* makeAction(const char* name, const QString& text, const QString& tip);
    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createPanels();
    void setArrangement(Arrangement arrangement);
    void tile(Arrangement arrangement);

    CViruvezaApp& app_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    std::vector<QAction*> recentActions_;
    bool documentsOpen_ = false;
    Arrangement arrangement_ = Arrangement::Maximized;
};

} // namespace doz::frame
