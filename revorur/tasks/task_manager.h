#pragma once
// The task manager: fills the task tree from the task folder, shows a task's properties and runs
// the task functions (new, modify, rename, delete, instant test panel, code generator) and the
// task folder dialog. It plugs into the main window through the form's hooks and function actions.
//
// Its own copies of the task folder, the selected task's path and its name are held whole, so a
// long path is never cut into the name of another file; the form's fields of the same names
// mirror them for display.

#include "revorur/tasks/wizard_library.h"

#include <QByteArray>
#include <QMetaObject>
#include <QString>

#include <optional>
#include <string>

class QTreeWidgetItem;

namespace doz::shell {
class TForm1;
}

namespace doz::tasks {

class TaskManager {
public:
    explicit TaskManager(shell::TForm1& form);
    ~TaskManager();
    TaskManager(const TaskManager&) = delete;
    TaskManager& operator=(const TaskManager&) = delete;

    // Replaces the wizard library (tests hand in fakes); by default it is loaded on first use.
    void setWizard(const WizardFunctions& wizard);

    void BuildTaskTree();
    void TreeView_TaskChange(QTreeWidgetItem* node);
    void FillTaskProperties();
    void menuTaskFolderClick();
    void BitBtn_TaskNewClick();
    void BitBtn_TaskModifyClick();
    void BitBtn_TaskRenameClick();
    void BitBtn_TaskDelClick();
    void BitBtn_TaskTestPanelClick();
    void BitBtn_TaskCodeGenClick();

    const std::string& taskFolder() const { return taskFolder_; }
    const std::string& taskFilePath() const { return taskFilePath_; }
    const std::string& taskName() const { return taskName_; }

private:
    enum class Selection { None, Root, Task };

    const WizardFunctions* wizard();
    QTreeWidgetItem* rootNode() const;
    QTreeWidgetItem* nodeOfFile(const QByteArray& fileName) const;
    void reselectAfterRebuild();
    void clearSelection();
    void setTaskFolder(const std::string& folder);
    void mirrorFields();
    void tell(const QString& text);

    shell::TForm1& form_;
    QMetaObject::Connection selectionConnection_;
    std::optional<WizardFunctions> wizard_;

    bool folderRead_ = false;
    std::string taskFolder_;
    std::string taskFilePath_;
    std::string taskName_;
    Selection selection_ = Selection::None;
    QByteArray selectedFile_; // the selected task's file name as the folder holds it
};

} // namespace doz::tasks
