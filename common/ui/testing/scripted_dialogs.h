#pragma once

#include "common/ui/dialogs.h"

#include <QDialog>
#include <QString>

#include <cstddef>
#include <deque>
#include <functional>
#include <vector>

namespace doz::ui::testing {

// One call that reached the dialogs seam.
struct DialogCall {
    enum class Kind {
        Information,
        Confirm,
        ConfirmOkCancel,
        AskSaveChanges,
        RunModal,
        ChooseFolder,
        OpenFile,
        SaveFile,
        ShowException,
        Beep
    };
    Kind kind;
    QString title;       // box title or dialog caption; RunModal: the dialog's window title
    QString text;        // box text, start folder or file; RunModal: the dialog's object name
    QString filter;      // OpenFile and SaveFile
    QString dialogClass; // RunModal: the class of the dialog, e.g. "doz::revorur::TForm_About"
};

// Dialogs that never open a window or wait: every call is recorded and answered from the
// queues the test fills. An empty queue answers No, Cancel, "" (cancelled) or QDialog::Rejected.
class ScriptedDialogs : public Dialogs {
public:
    using ModalScript = std::function<int(QDialog*)>;

    std::deque<bool> confirmAnswers;
    std::deque<bool> okCancelAnswers; // true for OK
    std::deque<SaveChoice> saveChangesAnswers;
    std::deque<QString> folderAnswers;
    std::deque<QString> openFileAnswers;
    std::deque<QString> saveFileAnswers;
    // Each may fill the dialog's controls (or click its buttons) before returning the result.
    std::deque<ModalScript> modalScripts;

    std::vector<DialogCall> calls;

    void information(QWidget* parent, const QString& title, const QString& text) override;
    bool confirm(QWidget* parent, const QString& title, const QString& text) override;
    bool confirmOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    SaveChoice askSaveChanges(QWidget* parent, const QString& title, const QString& text) override;
    int runModal(QDialog* dialog) override;
    QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter) override;
    void showException(QWidget* parent, const QString& message) override;
    void beep() override;

    // The recorded calls of one kind, in order.
    std::vector<DialogCall> callsOf(DialogCall::Kind kind) const;
    std::size_t count(DialogCall::Kind kind) const;
    // The texts of the information boxes shown, in order.
    QStringList informationTexts() const;
};

// A ScriptedDialogs installed as the process-wide dialogs for its lifetime; restores what
// was installed before.
class ScopedDialogs : public ScriptedDialogs {
public:
    ScopedDialogs();
    ScopedDialogs(const ScopedDialogs&) = delete;
    ScopedDialogs& operator=(const ScopedDialogs&) = delete;
    ~ScopedDialogs() override;

private:
    Dialogs* previous_;
};

} // namespace doz::ui::testing
