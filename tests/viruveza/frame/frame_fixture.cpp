#include "frame_fixture.h"

#include "viruveza/frame/main_frame.h"
#include "viruveza/frame/message_window.h"
#include "viruveza/wizard/main_wizard.h"
#include "viruveza/wizard/wiz_data_src.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTreeWidget>

#include <sys/stat.h>
#include <unistd.h>

namespace doz::frame::testing {

void FrameTest::SetUp() {
    previousFolder_ = std::filesystem::current_path();
    std::filesystem::current_path(folder().path());
}

void FrameTest::TearDown() {
    app_.reset();
    flush();
    std::filesystem::current_path(previousFolder_);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder().path()))
        ::chmod(entry.path().c_str(), 0755);
}

CViruvezaApp& FrameTest::startApp(std::vector<std::string> arguments) {
    app_ = std::make_unique<CViruvezaApp>("/opt/dozazar/bin/Ruzidavidez");
    app_->InitInstance(arguments);
    flush();
    return *app_;
}

void FrameTest::scriptWizard(const WizardAnswers& answers) {
    dialogs_.modalScripts.push_back([answers](QDialog* dialog) {
        auto* sheet = qobject_cast<wizard::CMainWizard*>(dialog);
        if (!sheet)
            return int(QDialog::Rejected);
        sheet->show();
        wizard::CWizDataSrc& page = *sheet->dataSrcPage();
        page.Edit_CodeFileName->setText(QString::fromStdString(answers.name));
        page.Edit_Location->setText(QString::fromStdString(answers.location.string()));
        page.Tree_CardLine->setCurrentItem(page.Tree_CardLine->topLevelItem(answers.line));
        page.Cmb_CardType->setCurrentIndex(answers.card);
        page.List_Operation->setCurrentRow(answers.operationRow);
        sheet->next();
        if (sheet->currentId() == 0) {
            sheet->reject();
            return sheet->result();
        }
        sheet->button(QWizard::FinishButton)->click();
        return sheet->result();
    });
}

CViruvezaDoc* FrameTest::newCodeSource(const WizardAnswers& answers) {
    const std::size_t before = app_->codeSources().size();
    scriptWizard(answers);
    app_->OnFileNew();
    flush();
    return app_->codeSources().size() > before ? app_->codeSources().back() : nullptr;
}

void FrameTest::flush() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QStringList FrameTest::messageLines() const {
    return app_->mainFrame().messages->lines();
}

std::filesystem::path FrameTest::readOnlyFolder() {
    if (::geteuid() == 0)
        return "/proc"; // not even the superuser makes files there
    const std::filesystem::path locked = folder().file("read-only");
    std::filesystem::create_directory(locked);
    ::chmod(locked.c_str(), 0555);
    return locked;
}

} // namespace doz::frame::testing
