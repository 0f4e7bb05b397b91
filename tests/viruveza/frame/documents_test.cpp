#include "frame_fixture.h"
#include "tests/support/files.h"

#include "common/platform/registry.h"
#include "viruveza/frame/child_frame.h"
#include "viruveza/frame/data_source_browser.h"
#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/test_view.h"
#include "viruveza/frame/viruveza_doc.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

#include <sys/stat.h>

namespace doz::frame::testing {
namespace {

using SaveChoice = ui::Dialogs::SaveChoice;
using ui::testing::DialogCall;

class DocumentsTest : public FrameTest {
protected:
    CViruvezaDoc* open(const std::filesystem::path& file) {
        dialogs_.openFileAnswers.push_back(QString::fromStdString(file.string()));
        const std::size_t before = app_->codeSources().size();
        app_->OnFileOpen();
        flush();
        return app_->codeSources().size() > before ? app_->codeSources().back() : nullptr;
    }
    void type(CViruvezaDoc& document, const QString& text) { document.view->insertPlainText(text); }
};

TEST_F(DocumentsTest, OpenShowsTheFileUnchangedAndNeverGenerates) {
    startApp();
    test::WriteFile(folder().file("Mine.txt"), "int main() {\n\treturn 0;\n}\n");
    ::chmod(folder().file("Mine.txt").c_str(), 0444);
    CViruvezaDoc* document = open(folder().file("Mine.txt"));
    ASSERT_NE(document, nullptr);
    EXPECT_EQ(document->view->toPlainText(), "int main() {\n\treturn 0;\n}\n");
    EXPECT_EQ(test::ReadFile(folder().file("Mine.txt")), "int main() {\n\treturn 0;\n}\n");
    EXPECT_FALSE(document->generated);
    EXPECT_EQ(document->record.cardType, generators::NoCardChosen);
    EXPECT_EQ(messageLines()[0],
              "Ruzidavidez Message : Code source <Mine> - Code source has successfully opened ...");
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::OpenFile)[0].filter, "Data Source Files (*.txt)");

    // Opening it again brings up the window it has.
    EXPECT_EQ(open(folder().file("Mine.txt")), nullptr);
    EXPECT_EQ(app_->codeSources().size(), 1u);
}

TEST_F(DocumentsTest, OpenRefusesOtherFilesAndReportsUnreadableOnes) {
    startApp();
    std::filesystem::create_directory(folder().file("old.txt"));
    test::WriteFile(folder().file("old.txt/notes.csv"), "a,b\n");
    EXPECT_EQ(open(folder().file("old.txt/notes.csv")), nullptr);
    EXPECT_EQ(messageLines()[0],
              "Ruzidavidez Error : Invalid file format! This file is NOT a Ruzidavidez file!");
    EXPECT_EQ(open(folder().file("Gone.txt")), nullptr);
    EXPECT_EQ(messageLines()[0], "Ruzidavidez Error : Code source <Gone> - Open code source failed! " +
                                     QString::fromStdString(folder().file("Gone.txt").string()) +
                                     ": No such file or directory");
    EXPECT_TRUE(app_->codeSources().empty());
}

TEST_F(DocumentsTest, SaveOfAnOpenedFileThatIsGoneAsksForAName) {
    startApp();
    test::WriteFile(folder().file("Moved.txt"), "text\n");
    CViruvezaDoc* document = open(folder().file("Moved.txt"));
    ASSERT_NE(document, nullptr);
    std::filesystem::remove(folder().file("Moved.txt"));
    dialogs_.saveFileAnswers = {QString::fromStdString(folder().file("Found").string())};
    app_->OnFileSave();
    flush();
    ASSERT_EQ(dialogs_.count(DialogCall::Kind::SaveFile), 1u);
    EXPECT_EQ(test::ReadFile(folder().file("Found.txt")), "text\n");
    EXPECT_EQ(document->title(), "Found.txt");
}

TEST_F(DocumentsTest, EditedDocumentClosedWithCancelKeepsItsText) {
    startApp();
    CViruvezaDoc* document = newCodeSource({"Edit", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    type(*document, "// my note\n");
    const QString edited = document->view->toPlainText();

    dialogs_.saveChangesAnswers = {SaveChoice::Cancel};
    app_->OnFileClose();
    flush();
    ASSERT_EQ(app_->codeSources().size(), 1u);
    EXPECT_EQ(app_->codeSources()[0]->view->toPlainText(), edited);
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::AskSaveChanges), 1u);

    dialogs_.saveChangesAnswers = {SaveChoice::Save};
    app_->OnFileClose();
    flush();
    EXPECT_TRUE(app_->codeSources().empty());
    EXPECT_EQ(QString::fromStdString(test::ReadFile(folder().file("Edit.txt"))), edited);
    EXPECT_EQ(app_->mainFrame().browser->Tree_DataSource->topLevelItem(0)->text(0), "No Source...");
    EXPECT_EQ(app_->activeCodeSource(), nullptr);
}

TEST_F(DocumentsTest, GeneratingOverAnOpenEditedFileAsksFirst) {
    startApp();
    CViruvezaDoc* first = newCodeSource({"Again", folder().path(), 0, 1, 0});
    ASSERT_NE(first, nullptr);
    type(*first, "// edits\n");
    dialogs_.confirmAnswers = {true, true}; // replace the file, twice
    dialogs_.saveChangesAnswers = {SaveChoice::Cancel};
    EXPECT_EQ(newCodeSource({"Again", folder().path(), 0, 1, 0}), nullptr);
    ASSERT_EQ(app_->codeSources().size(), 1u);
    EXPECT_TRUE(app_->codeSources()[0]->view->toPlainText().contains("// edits"));
    EXPECT_TRUE(messageLines()[0].startsWith("Ruzidavidez Error : Code source <Again> - "));

    dialogs_.saveChangesAnswers = {SaveChoice::Discard};
    scriptWizard({"Again", folder().path(), 0, 1, 0});
    app_->OnFileNew();
    flush();
    ASSERT_EQ(app_->codeSources().size(), 1u);
    EXPECT_FALSE(app_->codeSources()[0]->view->toPlainText().contains("// edits"));
    EXPECT_FALSE(app_->codeSources()[0]->isModified());
}

TEST_F(DocumentsTest, ExitAsksForEditedDocuments) {
    startApp();
    CViruvezaDoc* document = newCodeSource({"Exit", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    type(*document, "// unsaved\n");
    dialogs_.saveChangesAnswers = {SaveChoice::Cancel};
    EXPECT_FALSE(app_->mainFrame().close());
    EXPECT_EQ(app_->codeSources().size(), 1u);
    dialogs_.saveChangesAnswers = {SaveChoice::Discard};
    EXPECT_TRUE(app_->mainFrame().close());
    EXPECT_TRUE(app_->codeSources().empty());
}

TEST_F(DocumentsTest, UneditedDocumentClosesWithoutAsking) {
    startApp();
    ASSERT_NE(newCodeSource({"Quiet", folder().path(), 0, 1, 0}), nullptr);
    app_->OnFileClose();
    flush();
    EXPECT_TRUE(app_->codeSources().empty());
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::AskSaveChanges), 0u);
}

TEST_F(DocumentsTest, SaveAsOverAnExistingFile) {
    startApp();
    CViruvezaDoc* document = newCodeSource({"First", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    test::WriteFile(folder().file("Other.txt"), "someone else's text\n");
    type(*document, "// changed\n");
    dialogs_.saveFileAnswers = {QString::fromStdString(folder().file("Other.txt").string())};
    app_->OnFileSaveAs();
    flush();
    EXPECT_EQ(QString::fromStdString(test::ReadFile(folder().file("Other.txt"))),
              document->view->toPlainText());
    EXPECT_EQ(document->title(), "Other.txt");
    EXPECT_FALSE(document->isModified());
    EXPECT_EQ(app_->mainFrame().browser->nodeOf(*document)->text(0), "Other.txt");
    EXPECT_EQ(app_->recentFiles.entries().front(), folder().file("Other.txt").string());
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::SaveFile)[0].filter, "RivUvivo Files (*.txt)");
    // The generated file stays as it was written.
    EXPECT_EQ(test::ReadFile(folder().file("First.txt")).find("// changed"), std::string::npos);
}

TEST_F(DocumentsTest, ReadOnlyTargetIsReportedAndNothingIsLost) {
    startApp();
    CViruvezaDoc* document = newCodeSource({"Keep", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    type(*document, "// typed\n");
    const QString edited = document->view->toPlainText();
    const std::filesystem::path target = readOnlyFolder() / "Keep.txt";
    dialogs_.saveFileAnswers = {QString::fromStdString(target.string())};
    app_->OnFileSaveAs();
    flush();
    EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_EQ(document->view->toPlainText(), edited);
    EXPECT_TRUE(document->isModified());
    EXPECT_EQ(document->pathName(), QString::fromStdString(folder().file("Keep.txt").string()));
    ASSERT_FALSE(messageLines().isEmpty());
    EXPECT_TRUE(messageLines()[0].startsWith("Ruzidavidez Error : Code source <Keep> - "));
    EXPECT_TRUE(messageLines()[0].contains(QString::fromStdString(target.string())));
}

TEST_F(DocumentsTest, CommandsActOnTheWindowTheUserLooksAt) {
    startApp();
    CViruvezaDoc* first = newCodeSource({"One", folder().path(), 0, 1, 0});
    CViruvezaDoc* second = newCodeSource({"Two", folder().path(), 0, 1, 0});
    ASSERT_TRUE(first && second);
    EXPECT_EQ(app_->activeCodeSource(), second);

    app_->mainFrame().mdiArea->setActiveSubWindow(app_->mainFrame().childOf(*first));
    EXPECT_EQ(app_->activeCodeSource(), first);
    EXPECT_EQ(app_->mainFrame().browser->highlighted(), app_->mainFrame().browser->nodeOf(*first));
    type(*first, "// one\n");
    app_->OnFileSave();
    flush();
    EXPECT_NE(test::ReadFile(folder().file("One.txt")).find("// one"), std::string::npos);
    EXPECT_EQ(test::ReadFile(folder().file("Two.txt")).find("// one"), std::string::npos);

    app_->OnFileClose();
    flush();
    ASSERT_EQ(app_->codeSources().size(), 1u);
    EXPECT_EQ(app_->codeSources()[0], second);
    EXPECT_EQ(app_->activeCodeSource(), second);
    EXPECT_EQ(messageLines()[0], "Radiduzero Message : Active code source switched to <Two>");
}

TEST_F(DocumentsTest, BrowserDoubleClickActivatesOnce) {
    startApp();
    CViruvezaDoc* first = newCodeSource({"One", folder().path(), 0, 1, 0});
    ASSERT_NE(newCodeSource({"Two", folder().path(), 0, 1, 0}), nullptr);
    DataSourceBrowser& browser = *app_->mainFrame().browser;
    const int before = static_cast<int>(messageLines().size());
    browser.Tree_DataSourceDblClick(browser.nodeOf(*first));
    browser.Tree_DataSourceDblClick(browser.nodeOf(*first));
    browser.Tree_DataSourceDblClick(browser.nodeOf(*first)->child(0)); // a child is no code source
    flush();
    EXPECT_EQ(app_->activeCodeSource(), first);
    ASSERT_EQ(messageLines().size(), before + 1);
    EXPECT_EQ(messageLines()[0], "Ruzidavidez Message : Code source <One> - Set as active code source ...");
    EXPECT_EQ(app_->mainFrame().mdiArea->activeSubWindow(), app_->mainFrame().childOf(*first));
}

TEST_F(DocumentsTest, OpenByNameWaitsForTheWindow) {
    app_ = std::make_unique<CViruvezaApp>("/opt/dozazar/bin/Ruzidavidez");
    test::WriteFile(folder().file("Shell.txt"), "shell text\n");
    app_->openByName(QString::fromStdString(folder().file("Shell.txt").string()));
    EXPECT_EQ(app_->pendingPath, QString::fromStdString(folder().file("Shell.txt").string()));
    EXPECT_TRUE(app_->codeSources().empty());
    app_->mainFrame().show();
    flush();
    ASSERT_EQ(app_->codeSources().size(), 1u);
    EXPECT_TRUE(app_->pendingPath.isEmpty());
    QTreeWidgetItem* node = app_->mainFrame().browser->nodeOf(*app_->codeSources()[0]);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->child(1)->text(0), "AI"); // added with operation 0

    test::WriteFile(folder().file("Now.txt"), "now\n");
    app_->openByName(QString::fromStdString(folder().file("Now.txt").string()));
    EXPECT_EQ(app_->codeSources().size(), 2u);
}

TEST_F(DocumentsTest, SettingsAndFileTypesAtStartAndExit) {
    CViruvezaApp& app = startApp();
    const auto command =
        platform::openKey(platform::RootKey::ClassesRoot, "Viruveza.Document\\shell\\open\\command");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->readString(""), "/opt/dozazar/bin/Ruzidavidez %1");
    ASSERT_NE(newCodeSource({"Remembered", folder().path(), 0, 1, 0}), nullptr);
    app.previewPages = 2;
    app.ExitInstance();

    CViruvezaApp next("/opt/dozazar/bin/Ruzidavidez");
    next.InitInstance({"Ruzidavidez"});
    EXPECT_EQ(next.previewPages, 2u);
    ASSERT_FALSE(next.recentFiles.entries().empty());
    EXPECT_EQ(next.recentFiles.entries().front(), folder().file("Remembered.txt").string());
    ASSERT_NE(next.mainFrame().action("ID_FILE_MRU_FILE1"), nullptr);
    next.OnOpenRecentFile(0);
    flush();
    EXPECT_EQ(next.codeSources().size(), 1u);
}

TEST_F(DocumentsTest, PrintingGoesToTheActiveView) {
    startApp();
    app_->previewPages = 2;
    CViruvezaDoc* document = newCodeSource({"Print", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    app_->mainFrame().action("ID_FILE_PRINT")->trigger();
    app_->mainFrame().action("ID_FILE_PRINT_PREVIEW")->trigger();
    app_->mainFrame().action("ID_FILE_PRINT_SETUP")->trigger();
    ASSERT_EQ(printer_.printed.size(), 1u);
    EXPECT_EQ(printer_.printed[0], document->view);
    ASSERT_EQ(printer_.previews.size(), 1u);
    EXPECT_EQ(printer_.previews[0].second, 2);
    EXPECT_EQ(printer_.setups, 1);
}

} // namespace
} // namespace doz::frame::testing
