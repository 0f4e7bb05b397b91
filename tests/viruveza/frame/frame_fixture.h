#pragma once
// A fresh registry hive, a temporary working folder and scripted dialogs and printing for one
// test of the application frame, with helpers that drive the wizard through the dialogs seam.

#include "common/ui/testing/scripted_dialogs.h"
#include "tests/support/temp_registry.h"
#include "viruveza/frame/print_service.h"
#include "viruveza/frame/viruveza_app.h"

#include <QCoreApplication>
#include <QEvent>
#include <QString>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace doz::frame::testing {

// Records what would have been printed instead of opening a print dialog.
class RecordingPrinter : public PrintService {
public:
    RecordingPrinter() { setPrintService(this); }
    ~RecordingPrinter() override { setPrintService(nullptr); }
    void printSetup(QWidget*) override { ++setups; }
    void print(QPlainTextEdit* view) override { printed.push_back(view); }
    void preview(QPlainTextEdit* view, int pages) override { previews.push_back({view, pages}); }

    int setups = 0;
    std::vector<QPlainTextEdit*> printed;
    std::vector<std::pair<QPlainTextEdit*, int>> previews;
};

// What the user enters on the Code Generator page before Finish.
struct WizardAnswers {
    std::string name;
    std::filesystem::path location;
    int line = 0;
    int card = 0;
    int operationRow = 0;
};

class FrameTest : public doz::test::RegistryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // The application started as the program starts it, with the wizard cancelled.
    CViruvezaApp& startApp(std::vector<std::string> arguments = {"Ruzidavidez"});
    // Queues a wizard run that enters `answers` and presses Next, then Finish.
    void scriptWizard(const WizardAnswers& answers);
    // Runs File New with `answers`.
    CViruvezaDoc* newCodeSource(const WizardAnswers& answers);
    // Lets queued messages and deferred deletes run.
    static void flush();
    QStringList messageLines() const;
    // A folder no file can be created in, whoever runs the test.
    std::filesystem::path readOnlyFolder();

    ui::testing::ScopedDialogs dialogs_;
    RecordingPrinter printer_;
    std::unique_ptr<CViruvezaApp> app_;
    std::filesystem::path previousFolder_;
};

} // namespace doz::frame::testing
