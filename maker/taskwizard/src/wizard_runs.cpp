#include "maker/taskwizard/src/wizard_runs.h"

#include "maker/taskwizard/src/engine_messages.h"
#include "maker/taskwizard/src/task_file_name.h"
#include "maker/taskwizard/src/task_wizard_dialog.h"

#include "common/ui/dialogs.h"

#include <QDir>
#include <QFileInfo>

#include <optional>

namespace doz::taskwizard {

namespace {

const QString kTitle = QStringLiteral("DAQ Task Wizard");

// Saves the dialog's task when the engine accepts it; every refusal is told to the user and keeps
// the dialog open. `editedFile` is the file being edited, which may be written without asking.
class TaskSaver {
public:
    explicit TaskSaver(std::optional<QString> editedFile) : editedFile_(std::move(editedFile)) {}

    bool operator()(TaskWizardDialog& dialog) {
        const std::optional<QString> target = targetOf(dialog);
        if (!target) {
            return refuse(dialog, QStringLiteral("Give the task a name that a file name can hold: not empty, "
                                                 "and without \\ / : * ? \" < > | or a trailing dot."));
        }
        const TaskSettings settings = dialog.settings();
        if (settings.channels.empty()) {
            return refuse(dialog, engineErrorText(RADEZUVI_ERR_NO_CHANNEL));
        }
        const BuiltTask built = buildTask(settings);
        const int32_t refused = built.error != RADEZUVI_OK ? built.error : checkOnCard(built.task.get());
        if (refused != RADEZUVI_OK) {
            return refuse(
                dialog,
                QStringLiteral("The task cannot be saved as it is.\n%1").arg(engineErrorText(refused)));
        }
        if (!mayWrite(dialog, *target)) {
            return false;
        }
        if (Radezuvi_SaveTask(built.task.get(), QFile::encodeName(*target).constData()) != RADEZUVI_OK) {
            return refuse(dialog, QStringLiteral("The task could not be saved to \"%1\".").arg(*target));
        }
        saved_ = true;
        return true;
    }

    bool saved() const { return saved_; }

private:
    // The edited file itself, or the file of the name given in the dialog's folder.
    std::optional<QString> targetOf(const TaskWizardDialog& dialog) const {
        if (editedFile_) {
            return editedFile_;
        }
        const std::optional<QString> fileName = taskFileName(dialog.taskName());
        return fileName ? std::optional(QDir(dialog.taskFolder()).filePath(*fileName)) : std::nullopt;
    }

    bool refuse(TaskWizardDialog& dialog, const QString& text) {
        ui::dialogs().information(&dialog, kTitle, text);
        return false;
    }

    bool mayWrite(TaskWizardDialog& dialog, const QString& target) const {
        const QFileInfo file(target);
        if (!file.exists()) {
            return true;
        }
        if (editedFile_ && QFileInfo(*editedFile_) == file) {
            return true;
        }
        return ui::dialogs().confirm(
            &dialog, kTitle,
            QStringLiteral("The task file \"%1\" already exists.\nDo you want to replace it?").arg(target));
    }

    std::optional<QString> editedFile_;
    bool saved_ = false;
};

bool runDialog(TaskWizardDialog& dialog, TaskSaver& saver) {
    dialog.setFinishHandler(std::ref(saver));
    ui::dialogs().runModal(&dialog);
    return saver.saved();
}

} // namespace

bool runNewTaskWizard(const QString& suggestedPath) {
    if (suggestedPath.isEmpty()) {
        return false;
    }
    const QFileInfo suggested(suggestedPath);
    TaskWizardDialog dialog(installedCards());
    dialog.setTaskFile(suggested.absolutePath(), taskNameOfFile(suggested.fileName()), true);
    TaskSaver saver(std::nullopt);
    return runDialog(dialog, saver);
}

bool runEditTaskWizard(const QString& taskPath) {
    if (taskPath.isEmpty()) {
        return false;
    }
    const ScopedTask task(Radezuvi_LoadTask(QFile::encodeName(taskPath).constData(), 0));
    if (!task) {
        ui::dialogs().information(
            nullptr, kTitle,
            QStringLiteral("The file \"%1\" is not a task file the engine can load, so it "
                           "cannot be edited. The file was left as it is.")
                .arg(taskPath));
        return false;
    }
    const TaskSettings settings = readSettings(task.get());
    const QFileInfo file(taskPath);
    TaskWizardDialog dialog(
        withTaskCard(installedCards(), cardOfTask(settings.typeCode, settings.cardNumber)));
    dialog.setWindowTitle(QStringLiteral("DAQ Task Wizard -- %1").arg(taskNameOfFile(file.fileName())));
    dialog.setTaskFile(file.absolutePath(), taskNameOfFile(file.fileName()), false);
    dialog.setSettings(settings);
    TaskSaver saver(taskPath);
    return runDialog(dialog, saver);
}

} // namespace doz::taskwizard
