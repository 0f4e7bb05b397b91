#include "frame_fixture.h"
#include "tests/support/files.h"

#include "viruveza/frame/data_source_browser.h"
#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/test_view.h"
#include "viruveza/frame/viruveza_doc.h"
#include "viruveza/generators/code_generator.h"

#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTreeWidget>

namespace doz::frame::testing {
namespace {

using ui::testing::DialogCall;

QStringList childTexts(QTreeWidgetItem* node) {
    QStringList texts;
    for (int i = 0; node && i < node->childCount(); ++i)
        texts << node->child(i)->text(0);
    return texts;
}

// The file the analog-output writer makes for PCI-A130V, card 0, channel 0.
std::string expectedAnalogOutputText() {
    generators::DeviceSetup record = generators::InitialDeviceSetup();
    record.cardType = 3;
    record.operation = 1;
    record.channelCount = 1;
    generators::CodeGenerator generator(record);
    std::string text;
    EXPECT_TRUE(generator.build(generators::CardLine::Classic, text).ok());
    return text;
}

TEST_F(FrameTest, StartUpRunsTheWizardOnceAndStaysEmptyAfterCancel) {
    CViruvezaApp& app = startApp();
    ASSERT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 1u);
    EXPECT_EQ(dialogs_.calls[0].title, "Viruveza Configuration");
    EXPECT_TRUE(app.codeSources().empty());
    EXPECT_TRUE(app.mainFrame().isVisible());
    QTreeWidget* tree = app.mainFrame().browser->Tree_DataSource;
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    EXPECT_EQ(tree->topLevelItem(0)->text(0), "No Source...");
    EXPECT_EQ(app.startFolder, folder().path());
}

TEST_F(FrameTest, ClassicAnalogOutputIsGeneratedShownAndListed) {
    CViruvezaApp& app = startApp();
    CViruvezaDoc* document = newCodeSource({"Test", folder().path(), 0, 1, 0}); // PCIA130, Analog Output
    ASSERT_NE(document, nullptr);
    const std::string expected = expectedAnalogOutputText();
    EXPECT_EQ(expected.rfind("// PCI_A130V : Analog Output\n\n", 0), 0u);
    EXPECT_EQ(test::ReadFile(folder().file("Test.txt")), expected);
    ASSERT_NE(document->view, nullptr);
    EXPECT_EQ(document->view->toPlainText().toStdString(), expected);
    EXPECT_FALSE(document->isModified());
    EXPECT_TRUE(document->generated);
    EXPECT_EQ(document->title(), "Test.txt");
    EXPECT_EQ(app.activeCodeSource(), document);
    EXPECT_EQ(document->record.cardType, 3);

    QTreeWidgetItem* node = app.mainFrame().browser->nodeOf(*document);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(app.mainFrame().browser->Tree_DataSource->topLevelItemCount(), 1);
    EXPECT_EQ(node->text(0), "Test.txt");
    EXPECT_EQ(childTexts(node), QStringList({"PCI-A130V", "AO", "Ch#0"}));
    EXPECT_EQ(app.mainFrame().browser->highlighted(), node);
    EXPECT_TRUE(node->font(0).underline());
    EXPECT_EQ(app.mainFrame().mdiArea->subWindowList().size(), 1);
    EXPECT_EQ(app.recentFiles.entries().front(), folder().file("Test.txt").string());
}

TEST_F(FrameTest, ArgumentOnePresetsTheE400Line) {
    QString shownLine;
    dialogs_.modalScripts.push_back([&shownLine](QDialog* dialog) {
        dialog->show();
        shownLine = dialog->findChild<QTreeWidget*>("Tree_CardLine")->currentItem()->text(0);
        return int(QDialog::Rejected);
    });
    CViruvezaApp& app = startApp({"Ruzidavidez", "1"});
    EXPECT_EQ(shownLine, "R4A-ZIZEV");
    EXPECT_EQ(app.rememberedCardLine, 1);
}

TEST_F(FrameTest, FinishedLineIsRememberedForTheNextWizard) {
    CViruvezaApp& app = startApp();
    ASSERT_NE(newCodeSource({"Ai", folder().path(), 1, 2, 0}), nullptr); // DAQE420, Single-Point AI
    EXPECT_EQ(app.rememberedCardLine, 1);
    EXPECT_EQ(app.codeSources().back()->cardLine, 1);
    EXPECT_EQ(test::ReadFile(folder().file("Ai.txt")).rfind("// DAQ_E420 : Single-Point AI\n", 0), 0u);
}

TEST_F(FrameTest, FailedGenerationIsReportedAndOpensNoWindow) {
    CViruvezaApp& app = startApp();
    test::WriteFile(folder().file("Wave.txt"), "old text of mine\n");
    dialogs_.confirmAnswers = {true}; // replace the existing file
    // DAQE465 with the waveform operation: the plain page enables no channel, so nothing is written.
    EXPECT_EQ(newCodeSource({"Wave", folder().path(), 1, 11, 3}), nullptr);
    EXPECT_TRUE(app.codeSources().empty());
    EXPECT_TRUE(app.mainFrame().mdiArea->subWindowList().isEmpty());
    EXPECT_EQ(test::ReadFile(folder().file("Wave.txt")), "old text of mine\n");
    const QStringList lines = messageLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines[0].startsWith("Ruzidavidez Error : Code source <Wave> - ")) << lines[0].toStdString();
    EXPECT_EQ(app.mainFrame().browser->Tree_DataSource->topLevelItem(0)->text(0), "No Source...");
}

TEST_F(FrameTest, FileThatCannotBeWrittenIsReportedWithItsReason) {
    CViruvezaApp& app = startApp();
    const std::filesystem::path folder = readOnlyFolder();
    EXPECT_EQ(newCodeSource({"Locked", folder, 0, 1, 0}), nullptr);
    EXPECT_TRUE(app.codeSources().empty());
    ASSERT_FALSE(messageLines().isEmpty());
    EXPECT_TRUE(messageLines()[0].startsWith("Ruzidavidez Error : Code source <Locked> - "));
    EXPECT_TRUE(messageLines()[0].contains("Locked.txt"));
}

TEST_F(FrameTest, NameHoldingTxtIsWrittenAsItIs) {
    startApp();
    CViruvezaDoc* document = newCodeSource({"demo.TXT.bak", folder().path(), 0, 1, 0});
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(std::filesystem::exists(folder().file("demo.TXT.bak")));
    EXPECT_FALSE(std::filesystem::exists(folder().file("demo.TXT.bak.txt")));
    EXPECT_EQ(document->codeSourceName(), "demo.bak");
}

} // namespace
} // namespace doz::frame::testing
