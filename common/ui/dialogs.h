#pragma once

#include <QString>

class QDialog;
class QWidget;

namespace doz::ui {

// Every message box, confirmation, modal run and file or folder dialog of the programs goes
// through this seam, so tests can answer them from a script instead of a modal loop.
class Dialogs {
public:
    virtual ~Dialogs();
    // An information box with one OK button.
    virtual void information(QWidget* parent, const QString& title, const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool confirm(QWidget* parent, const QString& title, const QString& text) = 0;
    // A question with "OK" and "Cancel"; true for OK.
    virtual bool confirmOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // Whether to keep an edited document: Save, Discard, or Cancel (also when the box is closed).
    enum class SaveChoice { Save, Discard, Cancel };
    virtual SaveChoice askSaveChanges(QWidget* parent, const QString& title, const QString& text) = 0;
    // Runs `dialog` modally (exec) and returns its result.
    virtual int runModal(QDialog* dialog) = 0;
    // The chosen folder or file, "" when cancelled.
    virtual QString chooseFolder(QWidget* parent, const QString& caption, const QString& start) = 0;
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& start,
                             const QString& filter) = 0;
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& start,
                             const QString& filter) = 0;
    // The box that shows an exception that escaped a handler.
    virtual void showException(QWidget* parent, const QString& message) = 0;
    virtual void beep() = 0;
};

// The process-wide dialogs: the real Qt ones unless a fake is installed.
Dialogs& dialogs();
// Installs a fake (not owned); nullptr restores the real dialogs.
void setDialogs(Dialogs* fake);

} // namespace doz::ui
