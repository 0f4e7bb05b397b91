#pragma once
// CViruvezaApp: the application object of Ruzidavidez. It keeps the start folder, the card line
// preset into the wizard, the open code sources and the active one, the recent-file list and
// the print-preview setting, and handles the File and Help commands.

#include "viruveza/frame/recent_files.h"

#include <QObject>
#include <QString>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace doz::wizard {
class CMainWizard;
}

namespace doz::frame {

class CMainFrame;
class CViruvezaDoc;

class CViruvezaApp : public QObject {
    Q_OBJECT
public:
    // `programPath` is written into the file-type registration.
    explicit CViruvezaApp(std::string programPath);
    ~CViruvezaApp() override;

    // Start-up: start folder, settings, the main window, file types, the command line (the
    // first argument after the program presets the card line), the window shown maximized,
    // then File New once.
    void InitInstance(const std::vector<std::string>& arguments);
    // Saves the recent-file list and "PreviewPages".
    void ExitInstance();

    CMainFrame& mainFrame() const { return *frame_; }

    std::filesystem::path startFolder;
    int rememberedCardLine = 0;
    QString pendingPath;
    RecentFileList recentFiles;
    std::uint32_t previewPages = 0;

    const std::vector<CViruvezaDoc*>& codeSources() const { return documents_; }
    CViruvezaDoc* activeCodeSource() const { return active_; }

    // Commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileClose();
    void OnFileSave();
    void OnFileSaveAs();
    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnAppExit();
    void OnAppAbout();
    void OnAboutMyComputer();
    void OnOpenRecentFile(int index);

    // A file handed over by the desktop (dropped, or given by the shell): opened at once while
    // the main window is visible, else kept as the pending path and opened once events flow.
    void openByName(const QString& path);

    // The part of File New after the wizard's Finish: generate, then show the written file.
    // The new code source, or nullptr when nothing could be shown (the reason is posted).
    CViruvezaDoc* finishNewCodeSource(const wizard::CMainWizard& wizard);

    enum class AskToSave { No, Yes };
    // Closes one code source; with AskToSave::Yes an edited one asks Save / Discard / Cancel.
    // False when it stays open.
    bool closeCodeSource(CViruvezaDoc& document, AskToSave ask);
    bool closeAllCodeSources(AskToSave ask);
    // Saves to the document's path (Save As when it has none it can write); false when not saved.
    bool saveCodeSource(CViruvezaDoc& document);
    bool saveCodeSourceAs(CViruvezaDoc& document);

    // The active child window changed: its code source becomes the active one.
    void childActivated(CViruvezaDoc& document);
    // A double click in the browser: the code source becomes active and its window comes up.
    void activateFromBrowser(CViruvezaDoc& document);

private:
    void postMessage(const std::string& line);
    CViruvezaDoc* openCodeSource(const QString& path);
    CViruvezaDoc* findOpen(const QString& path) const;
    void showCodeSource(CViruvezaDoc& document, std::uint16_t operation);
    void setActive(CViruvezaDoc* document);
    void rememberRecent(const QString& path);
    void openPending();

    std::string programPath_;
    std::unique_ptr<CMainFrame> frame_;
    std::vector<CViruvezaDoc*> documents_;
    CViruvezaDoc* active_ = nullptr;
};

} // namespace doz::frame
