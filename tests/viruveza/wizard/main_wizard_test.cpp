#include "viruveza/wizard/main_wizard.h"

#include "common/ui/testing/scripted_dialogs.h"
#include "tests/support/files.h"
#include "tests/support/temp_folder.h"
#include "viruveza/wizard/wiz_data_src.h"
#include "viruveza/wizard/wiz_parameter_page.h"
#include "viruveza/wizard/wizard_pictures.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include <filesystem>
#include <memory>

namespace doz::wizard {
namespace {

namespace fs = std::filesystem;
using ui::testing::DialogCall;

class MainWizardTest : public ::testing::Test {
protected:
    void SetUp() override {
        sheet_ = std::make_unique<CMainWizard>(kWizardCaption, nullptr, 0, wizardWatermark(), wizardHeader());
    }
    void TearDown() override { sheet_.reset(); }

    // Shows the sheet with the card line preset, as the frame runs it.
    CWizDataSrc& start(int line = 0) {
        sheet_->setCardLine(line);
        sheet_->setCardTypeIndex(0);
        sheet_->show();
        return *sheet_->dataSrcPage();
    }

    void choose(CWizDataSrc& page, const std::string& name, const fs::path& location, int line, int card,
                int row) {
        page.Edit_CodeFileName->setText(QString::fromStdString(name));
        page.Edit_Location->setText(QString::fromStdString(location.string()));
        page.Tree_CardLine->setCurrentItem(page.Tree_CardLine->topLevelItem(line));
        page.Cmb_CardType->setCurrentIndex(card);
        page.List_Operation->setCurrentRow(row);
    }

    test::TempFolder dir_;
    ui::testing::ScopedDialogs dialogs_;
    std::unique_ptr<CMainWizard> sheet_;
};

TEST_F(MainWizardTest, SevenPagesWithTheirTitles) {
    EXPECT_EQ(sheet_->windowTitle(), "Viruveza Configuration");
    const QStringList titles = {
        "Code Generator",        "AI Polling/ContOP Configuration",         "AO Configuration",
        "DIO/CTR Configuration", "DAQ-E400 Continuous AI/AO configuration", "Property Page",
        "DAQ-E465 Waveform"};
    ASSERT_EQ(sheet_->pageIds(), QList<int>({0, 1, 2, 3, 4, 5, 6}));
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(sheet_->page(i)->title(), titles[i]);
    EXPECT_FALSE(sheet_->page(0)->pixmap(QWizard::WatermarkPixmap).isNull());
    EXPECT_FALSE(sheet_->pixmap(QWizard::LogoPixmap).isNull());
}

TEST_F(MainWizardTest, FirstDisplayAndThePresetLine) {
    CWizDataSrc& page = start(1);
    EXPECT_EQ(page.Edit_CodeFileName->text(), "DaqCode01");
    EXPECT_TRUE(page.Edit_Location->text().endsWith('/'));
    EXPECT_EQ(page.Tree_CardLine->currentItem()->text(0), "R4A-ZIZEV");
    EXPECT_EQ(page.Cmb_CardType->count(), 12);
    EXPECT_EQ(page.List_Operation->count(), 6);
    EXPECT_EQ(page.List_Operation->currentRow(), 0);
    // Assistive tools read the controls by their labels.
    for (QWidget* control :
         {static_cast<QWidget*>(page.Edit_CodeFileName), static_cast<QWidget*>(page.Edit_Location),
          static_cast<QWidget*>(page.Cmb_CardType), static_cast<QWidget*>(page.List_Operation)})
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty())
            << control->objectName().toStdString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page.Edit_CodeFileName)->text(QAccessible::Name),
              "Code file name:");

    sheet_->setCardLine(7); // neither line: the classic line
    EXPECT_EQ(sheet_->cardLine(), 0);
}

TEST_F(MainWizardTest, FolderChooserSetsTheLocation) {
    CWizDataSrc& page = start();
    dialogs_.folderAnswers = {QString::fromStdString(dir_.path().string())};
    page.Btn_Browse->click();
    ASSERT_EQ(dialogs_.callsOf(DialogCall::Kind::ChooseFolder).size(), 1u);
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::ChooseFolder)[0].title, "Choose Directory");
    EXPECT_EQ(page.Edit_Location->text(), QString::fromStdString(dir_.path().string() + "/"));
    EXPECT_EQ(page.model().location(), dir_.path().string() + "/");
    page.Btn_Browse->click(); // cancelled: the location stays
    EXPECT_EQ(page.Edit_Location->text(), QString::fromStdString(dir_.path().string() + "/"));
}

TEST_F(MainWizardTest, EmptyNameStaysBeforeAnyLocationCheck) {
    CWizDataSrc& page = start();
    choose(page, "  ", dir_.file("missing"), 0, 1, 0);
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 0);
    EXPECT_EQ(dialogs_.informationTexts(), QStringList({"You must assign the File Name!"}));
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::Confirm), 0u);
    EXPECT_FALSE(fs::exists(dir_.file("missing")));
}

TEST_F(MainWizardTest, ExistingFileIsReplacedOnlyOnYes) {
    test::WriteFile(dir_.file("Test.txt"), "mine");
    CWizDataSrc& page = start();
    choose(page, "Test", dir_.path(), 0, 1, 0); // PCIA130, Analog Output
    dialogs_.confirmAnswers = {false, true};
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 0);
    ASSERT_EQ(dialogs_.count(DialogCall::Kind::Confirm), 1u);
    EXPECT_TRUE(dialogs_.calls[0].text.contains(QString::fromStdString(dir_.file("Test.txt").string())));
    EXPECT_EQ(page.Edit_CodeFileName->selectedText(), "Test");

    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 2);
    EXPECT_EQ(sheet_->operationCode(), 1);
    EXPECT_EQ(sheet_->cardTypeIndex(), 1);
    EXPECT_EQ(sheet_->outputPath(), QString::fromStdString(dir_.file("Test").string()));
    EXPECT_EQ(sheet_->pageRecord(2).operation, 1);
}

TEST_F(MainWizardTest, MissingFolderIsCreatedOrTheFailureKeepsThePage) {
    test::WriteFile(dir_.file("plain"), "a file, not a folder");
    CWizDataSrc& page = start();
    choose(page, "Code", dir_.file("plain/sub"), 0, 0, 0);
    dialogs_.confirmAnswers = {true};
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 0);
    ASSERT_EQ(dialogs_.informationTexts().size(), 1);
    EXPECT_TRUE(dialogs_.informationTexts()[0].contains("cannot be created"));

    page.Edit_Location->setText(QString::fromStdString(dir_.file("made").string()));
    dialogs_.confirmAnswers = {true};
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 2);
    EXPECT_TRUE(fs::is_directory(dir_.file("made")));
    EXPECT_EQ(sheet_->outputPath(), QString::fromStdString(dir_.file("made/Code").string()));
}

TEST_F(MainWizardTest, WaveformRouteBackAndFinish) {
    CWizDataSrc& page = start();
    choose(page, "Wave", dir_.path(), 1, 11, 3); // DAQE465, Continuous AO (Waveform)
    sheet_->next();
    ASSERT_EQ(sheet_->currentId(), 6);
    EXPECT_EQ(sheet_->currentPage()->title(), "DAQ-E465 Waveform");
    EXPECT_TRUE(sheet_->button(QWizard::FinishButton)->isVisible());
    EXPECT_TRUE(sheet_->button(QWizard::BackButton)->isEnabled());

    sheet_->back();
    EXPECT_EQ(sheet_->currentId(), 0);
    EXPECT_EQ(page.Edit_CodeFileName->text(), "Wave");
    EXPECT_EQ(page.Tree_CardLine->currentItem()->text(0), "R4A-ZIZEV");
    EXPECT_EQ(page.Cmb_CardType->currentIndex(), 11);

    page.Cmb_CardType->setCurrentIndex(10); // DAQE460, same operation: the E400 continuous page
    page.List_Operation->setCurrentRow(3);
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 4);
    sheet_->button(QWizard::FinishButton)->click();
    EXPECT_EQ(sheet_->result(), QDialog::Accepted);
    EXPECT_EQ(sheet_->resultRecord().operation, 3);
    EXPECT_EQ(sheet_->resultRecord().cardType, 7); // DAQ_E460
    EXPECT_EQ(sheet_->cardLine(), 1);
}

TEST_F(MainWizardTest, LastClassicCardLeadsToTheAnalogInputPage) {
    CWizDataSrc& page = start();
    page.Edit_Location->setText(QString::fromStdString(dir_.path().string()));
    page.Cmb_CardType->setCurrentIndex(27);
    EXPECT_EQ(page.List_Operation->currentItem()->text(), "Continuous AI");
    page.Cmb_CardType->setCurrentIndex(20);
    EXPECT_EQ(page.List_Operation->currentItem()->text(), "Counter");
    page.Cmb_CardType->setCurrentIndex(27);
    sheet_->next();
    EXPECT_EQ(sheet_->currentId(), 1);
    EXPECT_EQ(sheet_->operationCode(), 4);
    EXPECT_EQ(sheet_->pageRecord(1).operation, 4);
}

} // namespace
} // namespace doz::wizard
