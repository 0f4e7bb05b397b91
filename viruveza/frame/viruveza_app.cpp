#include "viruveza/frame/viruveza_app.h"

#include "common/ui/dialogs.h"
#include "viruveza/frame/about_dialog.h"
#include "viruveza/frame/app_settings.h"
#include "viruveza/frame/data_source_browser.h"
#include "viruveza/frame/file_types.h"
#include "viruveza/frame/frame_messages.h"
#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/print_service.h"
#include "viruveza/frame/start_up.h"
#include "viruveza/frame/system_profile_dialog.h"
#include "viruveza/frame/test_view.h"
#include "viruveza/frame/viruveza_doc.h"
#include "viruveza/generators/output_path.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/wizard_pictures.h"
#include "viruveza/wizard/wizard_routes.h"

#include <QDir>
#include <QFileInfo>
#include <QMetaObject>

#include <algorithm>

namespace doz::frame {

namespace {

constexpr const char* kOpenFilter = "Data Source Files (*.txt)";
constexpr const char* kSaveFilter = "RivUvivo Files (*.txt)";

std::string text(const QString& value) {
    return value.toStdString();
}

QString canonical(const QString& path) {
    const QFileInfo info(path);
    const QString resolved = info.canonicalFilePath();
    return resolved.isEmpty() ? info.absoluteFilePath() : resolved;
}

} // namespace

CViruvezaApp::CViruvezaApp(std::string programPath)
    : programPath_(std::move(programPath)), frame_(std::make_unique<CMainFrame>(*this)) {}

CViruvezaApp::~CViruvezaApp() {
    frame_.reset();
}

void CViruvezaApp::InitInstance(const std::vector<std::string>& arguments) {
    startFolder = frame::startFolder(QDir::homePath().toStdString());
    recentFiles.load();
    previewPages = loadPreviewPages();
    frame_->showRecentFiles(recentFiles.entries());
    registerFileTypes(programPath_);
    rememberedCardLine = cardLineFromArguments(arguments);
    frame_->showMaximized();
    OnFileNew();
}

void CViruvezaApp::ExitInstance() {
    recentFiles.save();
    savePreviewPages(previewPages);
}

void CViruvezaApp::postMessage(const std::string& line) {
    frame_->postMessage(QString::fromStdString(line));
}

void CViruvezaApp::OnFileNew() {
    QDir::setCurrent(QString::fromStdString(startFolder.string()));
    wizard::CMainWizard sheet(wizard::kWizardCaption, frame_.get(), wizard::kDataSrcPage,
                              wizard::wizardWatermark(), wizard::wizardHeader());
    for (;;) {
        sheet.setCardLine(rememberedCardLine);
        sheet.setCardTypeIndex(0);
        sheet.generateFlag = 1;
        const int result = ui::dialogs().runModal(&sheet);
        if (result == QDialog::Rejected)
            return;
        if (result == QDialog::Accepted)
            break;
    }
    if (sheet.generateFlag == 1)
        finishNewCodeSource(sheet);
}

CViruvezaDoc* CViruvezaApp::finishNewCodeSource(const wizard::CMainWizard& sheet) {
    rememberedCardLine = sheet.cardLine();
    const std::optional<int> page =
        wizard::parameterPageFor(sheet.cardLine(), sheet.operationCode(), sheet.cardTypeIndex());
    if (!page)
        return nullptr;
    const QString path =
        QString::fromStdString(generators::WithTxtExtension(text(sheet.outputPath())).string());
    generators::DeviceSetup record = sheet.pageRecord(*page);

    auto document = std::make_unique<CViruvezaDoc>(this);
    document->setPathName(path);
    document->cardLine = sheet.cardLine();
    const std::string name = text(document->codeSourceName());
    // The file is about to be replaced: a window showing it goes first, asking for its edits.
    if (CViruvezaDoc* stale = findOpen(path); stale && !closeCodeSource(*stale, AskToSave::Yes)) {
        postMessage(
            message::generationFailed(name, "not generated, the window of " + text(path) + " stays open"));
        return nullptr;
    }
    const generators::GenerateResult result = document->generate(record);
    if (!result.ok()) {
        postMessage(message::generationFailed(name, result.message));
        return nullptr;
    }
    if (const auto failure = document->open(path)) {
        postMessage(message::openFailed(name, text(path), *failure));
        return nullptr;
    }
    document->record = record;
    CViruvezaDoc* shown = document.release();
    showCodeSource(*shown, sheet.operationCode());
    rememberRecent(path);
    postMessage(message::generated(name, text(path)));
    return shown;
}

CViruvezaDoc* CViruvezaApp::findOpen(const QString& path) const {
    const QString wanted = canonical(path);
    for (CViruvezaDoc* document : documents_)
        if (canonical(document->pathName()) == wanted)
            return document;
    return nullptr;
}

void CViruvezaApp::showCodeSource(CViruvezaDoc& document, std::uint16_t operation) {
    documents_.push_back(&document);
    frame_->addChild(document);
    frame_->browser->add(document, operation);
    frame_->showMenusFor(true);
    setActive(&document);
}

void CViruvezaApp::setActive(CViruvezaDoc* document) {
    active_ = document;
    frame_->browser->select(document);
}

void CViruvezaApp::rememberRecent(const QString& path) {
    recentFiles.add(text(QFileInfo(path).absoluteFilePath()));
    recentFiles.save();
    frame_->showRecentFiles(recentFiles.entries());
}

CViruvezaDoc* CViruvezaApp::openCodeSource(const QString& path) {
    const std::string name = codeSourceName(text(QFileInfo(path).fileName()));
    if (!isCodeFileName(text(path))) {
        postMessage(message::invalidFormat());
        return nullptr;
    }
    if (CViruvezaDoc* open = findOpen(path)) {
        frame_->bringToFront(*open);
        setActive(open);
        return open;
    }
    auto document = std::make_unique<CViruvezaDoc>(this);
    if (const auto failure = document->open(path)) {
        postMessage(message::openFailed(name, text(path), *failure));
        return nullptr;
    }
    postMessage(message::opened(name));
    document->generated = false;
    generators::DeviceSetup own = document->record;
    document->generate(own);
    CViruvezaDoc* shown = document.release();
    showCodeSource(*shown, 0);
    rememberRecent(path);
    return shown;
}

void CViruvezaApp::OnFileOpen() {
    const QString path = ui::dialogs().openFile(frame_.get(), "Open", QDir::currentPath(), kOpenFilter);
    if (!path.isEmpty())
        openCodeSource(path);
}

void CViruvezaApp::OnOpenRecentFile(int index) {
    const auto& entries = recentFiles.entries();
    if (index < 0 || static_cast<std::size_t>(index) >= entries.size())
        return;
    const QString path = QString::fromStdString(entries[static_cast<std::size_t>(index)]);
    if (!openCodeSource(path) && !QFileInfo::exists(path)) {
        recentFiles.remove(text(path));
        recentFiles.save();
        frame_->showRecentFiles(recentFiles.entries());
    }
}

void CViruvezaApp::openByName(const QString& path) {
    if (frame_->isVisible()) {
        openCodeSource(path);
        return;
    }
    pendingPath = path;
    QMetaObject::invokeMethod(
        this, [this] { openPending(); }, Qt::QueuedConnection);
}

void CViruvezaApp::openPending() {
    const QString path = pendingPath;
    pendingPath.clear();
    if (!path.isEmpty())
        openCodeSource(path);
}

bool CViruvezaApp::closeCodeSource(CViruvezaDoc& document, AskToSave ask) {
    if (ask == AskToSave::Yes && document.isModified()) {
        switch (ui::dialogs().askSaveChanges(frame_.get(), "Ruzidavidez",
                                             "Save changes to " + document.title() + "?")) {
        case ui::Dialogs::SaveChoice::Save:
            if (!saveCodeSource(document))
                return false;
            break;
        case ui::Dialogs::SaveChoice::Discard:
            break;
        case ui::Dialogs::SaveChoice::Cancel:
            return false;
        }
    }
    const auto at = std::find(documents_.begin(), documents_.end(), &document);
    if (at == documents_.end())
        return true;
    const auto position = static_cast<std::size_t>(at - documents_.begin());
    const bool wasActive = active_ == &document;
    documents_.erase(at);
    frame_->browser->remove(document);
    frame_->removeChild(document);
    document.deleteLater();
    if (documents_.empty()) {
        setActive(nullptr);
        frame_->showMenusFor(false);
    } else if (wasActive) {
        CViruvezaDoc* next = documents_[position < documents_.size() ? position : 0];
        frame_->bringToFront(*next);
        setActive(next);
        postMessage(message::activeSwitched(text(next->codeSourceName())));
    }
    return true;
}

bool CViruvezaApp::closeAllCodeSources(AskToSave ask) {
    while (!documents_.empty())
        if (!closeCodeSource(*documents_.back(), ask))
            return false;
    return true;
}

void CViruvezaApp::OnFileClose() {
    if (active_)
        closeCodeSource(*active_, AskToSave::Yes);
}

bool CViruvezaApp::saveCodeSource(CViruvezaDoc& document) {
    const QFileInfo file(document.pathName());
    if (document.pathName().isEmpty() || (!document.generated && (!file.exists() || !file.isWritable())))
        return saveCodeSourceAs(document);
    const std::string name = text(document.codeSourceName());
    if (const auto failure = document.saveTo(document.pathName())) {
        postMessage(message::saveFailed(name, text(document.pathName()), *failure));
        return false;
    }
    postMessage(message::saved(name, text(document.pathName())));
    return true;
}

bool CViruvezaApp::saveCodeSourceAs(CViruvezaDoc& document) {
    QString path = ui::dialogs().saveFile(frame_.get(), "Save As", document.pathName(), kSaveFilter);
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".txt";
    const std::string name = text(document.codeSourceName());
    if (CViruvezaDoc* other = findOpen(path); other && other != &document) {
        postMessage(message::saveFailed(name, text(path), "the file is open in another window"));
        return false;
    }
    if (const auto failure = document.saveTo(path)) {
        postMessage(message::saveFailed(name, text(path), *failure));
        return false;
    }
    postMessage(message::saved(text(document.codeSourceName()), text(path)));
    rememberRecent(path);
    return true;
}

void CViruvezaApp::OnFileSave() {
    if (active_)
        saveCodeSource(*active_);
}

void CViruvezaApp::OnFileSaveAs() {
    if (active_)
        saveCodeSourceAs(*active_);
}

void CViruvezaApp::OnFilePrint() {
    if (active_ && active_->view)
        printService().print(active_->view);
}

void CViruvezaApp::OnFilePrintPreview() {
    if (active_ && active_->view)
        printService().preview(active_->view, static_cast<int>(previewPages));
}

void CViruvezaApp::OnFilePrintSetup() {
    printService().printSetup(frame_.get());
}

void CViruvezaApp::OnAppExit() {
    frame_->close();
}

void CViruvezaApp::OnAppAbout() {
    CAboutDlg dialog(frame_.get());
    ui::dialogs().runModal(&dialog);
}

void CViruvezaApp::OnAboutMyComputer() {
    CSystemProfileDlg dialog(frame_.get());
    ui::dialogs().runModal(&dialog);
}

void CViruvezaApp::childActivated(CViruvezaDoc& document) {
    if (std::find(documents_.begin(), documents_.end(), &document) != documents_.end() &&
        active_ != &document)
        setActive(&document);
}

void CViruvezaApp::activateFromBrowser(CViruvezaDoc& document) {
    setActive(&document);
    frame_->bringToFront(document);
    postMessage(message::setActive(text(document.codeSourceName())));
}

} // namespace doz::frame
