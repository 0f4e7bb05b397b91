#include "common/ui/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

#include <atomic>

namespace doz::ui {
namespace {

class QtDialogs final : public Dialogs {
public:
    void information(QWidget* parent, const QString& title, const QString& text) override {
        QMessageBox::information(parent, title, text, QMessageBox::Ok);
    }

    bool confirm(QWidget* parent, const QString& title, const QString& text) override {
        return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No) ==
               QMessageBox::Yes;
    }

    bool confirmOkCancel(QWidget* parent, const QString& title, const QString& text) override {
        return QMessageBox::question(parent, title, text, QMessageBox::Ok | QMessageBox::Cancel,
                                     QMessageBox::Cancel) == QMessageBox::Ok;
    }

    SaveChoice askSaveChanges(QWidget* parent, const QString& title, const QString& text) override {
        switch (QMessageBox::question(parent, title, text,
                                      QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                      QMessageBox::Save)) {
        case QMessageBox::Save:
            return SaveChoice::Save;
        case QMessageBox::Discard:
            return SaveChoice::Discard;
        default:
            return SaveChoice::Cancel;
        }
    }

    int runModal(QDialog* dialog) override { return dialog->exec(); }

    QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) override {
        return QFileDialog::getExistingDirectory(parent, caption, start);
    }

    QString openFile(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, start, filter);
    }

    QString saveFile(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, caption, start, filter);
    }

    void showException(QWidget* parent, const QString& message) override {
        QMessageBox::critical(parent, QApplication::applicationDisplayName(), message, QMessageBox::Ok);
    }

    void beep() override { QApplication::beep(); }
};

std::atomic<Dialogs*> installedFake{nullptr};

} // namespace

Dialogs::~Dialogs() = default;

Dialogs& dialogs() {
    static QtDialogs real;
    Dialogs* fake = installedFake.load();
    return fake != nullptr ? *fake : real;
}

void setDialogs(Dialogs* fake) {
    installedFake.store(fake);
}

} // namespace doz::ui
