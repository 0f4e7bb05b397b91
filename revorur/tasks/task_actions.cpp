// The task functions and the task folder dialog of the task manager.

#include "revorur/tasks/task_manager.h"

#include "common/platform/file_io.h"
#include "common/ui/dialogs.h"
#include "revorur/shell/main_form.h"
#include "revorur/tasks/code_gen_form.h"
#include "revorur/tasks/loaded_task.h"
#include "revorur/tasks/task_files.h"
#include "revorur/tasks/task_folder_form.h"
#include "revorur/tasks/task_folder_store.h"
#include "revorur/tasks/task_rename_form.h"
#include "revorur/tasks/utf8_text.h"

#include <QLineEdit>

#include <filesystem>
#include <system_error>

namespace doz::tasks {

void TaskManager::menuTaskFolderClick() {
    TForm_TaskFolder dialog(&form_);
    dialog.Edit_Folder00->setText(fromUtf8(taskFolder_));
    dialog.Edit_Folder01->setText(fromUtf8(taskFolder_));
    dialog.move(form_.frameGeometry().topLeft() + QPoint(24, 24));
    ui::dialogs().runModal(&dialog);
    if (!dialog.accepted)
        return;
    // The tree keeps showing the old folder's tasks until it is next rebuilt.
    setTaskFolder(dialog.acceptedFolder);
    StoreTaskFolder(taskFolder_);
}

void TaskManager::BitBtn_TaskNewClick() {
    const WizardFunctions* library = wizard();
    if (!library)
        return;
    if (!folderRead_)
        setTaskFolder(StartupTaskFolder(form_.ProgramFolder));
    const std::string suggested = (std::filesystem::path(taskFolder_) / "DAQ_File.tsk").string();
    if (library->startDAQWizardAndSaveToFile(suggested.c_str()) != 0)
        BuildTaskTree();
}

void TaskManager::BitBtn_TaskModifyClick() {
    if (selection_ != Selection::Task)
        return;
    const WizardFunctions* library = wizard();
    if (!library)
        return;
    library->startDAQWizardWithFile(taskFilePath_.c_str());
    BuildTaskTree();
}

void TaskManager::BitBtn_TaskRenameClick() {
    if (selection_ != Selection::Task)
        return;
    TForm_TaskRename dialog(&form_);
    dialog.Edit_OldName->setText(fromUtf8(taskName_));
    ui::dialogs().runModal(&dialog);
    if (!dialog.accepted)
        return;
    const std::string newName = dialog.Edit_NewName->text().toStdString();
    const std::filesystem::path target = std::filesystem::path(taskFolder_) / (newName + ".tsk");
    std::error_code error;
    if (!IsValidTaskName(newName))
        tell(QString("\"%1\" cannot be the name of a task.").arg(fromUtf8(newName)));
    else if (std::filesystem::exists(std::filesystem::symlink_status(target, error)))
        tell(QString("A task named \"%1\" already exists.").arg(fromUtf8(newName)));
    else if (!platform::moveWithoutReplacing(taskFilePath_, target))
        tell(QString("The task \"%1\" could not be renamed.").arg(fromUtf8(taskName_)));
    BuildTaskTree();
}

void TaskManager::BitBtn_TaskDelClick() {
    if (selection_ != Selection::Task)
        return;
    if (!ui::dialogs().confirmOkCancel(&form_, "Confirm", "Are you sure?"))
        return;
    std::error_code ignored;
    std::filesystem::remove(taskFilePath_, ignored);
    BuildTaskTree();
}

void TaskManager::BitBtn_TaskTestPanelClick() {
    if (selection_ != Selection::Task)
        return;
    const WizardFunctions* library = wizard();
    if (!library)
        return;
    // A task that does not load goes to the panel as handle 0, which the panel reports; the
    // task ends when the panel has returned.
    const LoadedTask task(taskFilePath_, 1);
    const std::string caption = "Instant Test Panel -- " + taskName_;
    library->showTestPanel(task.handle(), 0, 1, caption.c_str());
}

void TaskManager::BitBtn_TaskCodeGenClick() {
    if (selection_ != Selection::Task)
        return;
    TForm_CodeGen dialog(&form_);
    dialog.setWindowTitle("Code Generater: " + fromUtf8(taskName_));
    dialog.TaskFilePath = taskFilePath_;
    dialog.TaskName = taskName_;
    dialog.ProgramFolder = form_.ProgramFolder;
    dialog.FormShow();
    ui::dialogs().runModal(&dialog);
}

} // namespace doz::tasks
