#include "revorur/tasks/task_manager.h"

#include "revorur/shell/main_form.h"
#include "revorur/shell/tree_nodes.h"
#include "revorur/tasks/loaded_task.h"
#include "revorur/tasks/operation_table.h"
#include "revorur/tasks/task_files.h"
#include "revorur/tasks/task_folder_store.h"
#include "revorur/tasks/task_pictures.h"
#include "revorur/tasks/task_properties.h"
#include "revorur/tasks/utf8_text.h"

#include "common/ui/dialogs.h"

#include <QLineEdit>
#include <QList>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <filesystem>

namespace doz::tasks {
namespace {

// The task node's file name as the folder holds it (the node's text drops its extension).
constexpr int FileNameRole = shell::PictureRole + 1;

constexpr const char* RootText = "Task Manager";
constexpr const char* RootDescription = "Dozazar Technology Inc.";
constexpr const char* NoSelectionDescription = "Drag the selected task item to subfunction button to launch";

std::string pathIn(const std::string& folder, const std::string& fileName) {
    return (std::filesystem::path(folder) / fileName).string();
}

// The functions the task manager runs, by the name of their button or menu item.
constexpr std::pair<const char*, void (TaskManager::*)()> functions[] = {
    {"BitBtn_TaskNew", &TaskManager::BitBtn_TaskNewClick},
    {"BitBtn_TaskDel", &TaskManager::BitBtn_TaskDelClick},
    {"BitBtn_TaskModify", &TaskManager::BitBtn_TaskModifyClick},
    {"BitBtn_TaskRename", &TaskManager::BitBtn_TaskRenameClick},
    {"BitBtn_TaskTestPanel", &TaskManager::BitBtn_TaskTestPanelClick},
    {"BitBtn_TaskCodeGen", &TaskManager::BitBtn_TaskCodeGenClick},
    {"menuTaskFolder", &TaskManager::menuTaskFolderClick},
};

} // namespace

TaskManager::TaskManager(shell::TForm1& form) : form_(form) {
    form_.ImageList_Task = TaskPictures();
    form_.hooks.buildTaskTree = [this](shell::TForm1&) { BuildTaskTree(); };
    selectionConnection_ = QObject::connect(form_.TreeView_Task, &QTreeWidget::currentItemChanged,
                                            [this](QTreeWidgetItem* node) {
                                                if (node)
                                                    TreeView_TaskChange(node);
                                            });
    for (const auto& [name, handler] : functions)
        form_.SetFunctionAction(name, [this, handler = handler] { (this->*handler)(); });
}

// The form outlives the manager: nothing of it may call back into a manager that is gone.
TaskManager::~TaskManager() {
    QObject::disconnect(selectionConnection_);
    form_.hooks.buildTaskTree = nullptr;
    for (const auto& [name, handler] : functions)
        form_.SetFunctionAction(name, nullptr);
}

void TaskManager::setWizard(const WizardFunctions& wizard) {
    wizard_ = wizard;
}

const WizardFunctions* TaskManager::wizard() {
    if (!wizard_)
        wizard_ = LoadWizardLibrary(form_.ProgramFolder);
    if (!wizard_->complete()) {
        tell(QString("The task wizard library %1 could not be loaded.").arg(WizardLibraryName));
        return nullptr;
    }
    return &*wizard_;
}

void TaskManager::tell(const QString& text) {
    ui::dialogs().information(&form_, "Revorur", text);
}

void TaskManager::mirrorFields() {
    form_.TaskFolder = taskFolder_;
    form_.TaskFilePath = taskFilePath_;
    form_.TaskName = taskName_;
}

void TaskManager::setTaskFolder(const std::string& folder) {
    taskFolder_ = folder;
    folderRead_ = true;
    mirrorFields();
}

// ---- Tree and properties -------------------------------------------------------------------

void TaskManager::BuildTaskTree() {
    if (!folderRead_)
        setTaskFolder(StartupTaskFolder(form_.ProgramFolder));
    QTreeWidget* tree = form_.TreeView_Task;
    const shell::ImageList& pictures = form_.ImageList_Task;
    {
        const QSignalBlocker quiet(tree);
        tree->setSortingEnabled(false);
        tree->clear();
        auto* root = new QTreeWidgetItem(tree, {RootText});
        shell::SetNodePicture(root, pictures, 0);

        const std::vector<TaskFile> files = ListTaskFiles(taskFolder_);
        QList<QTreeWidgetItem*> nodes;
        nodes.reserve(static_cast<qsizetype>(files.size()));
        for (const TaskFile& file : files) {
            auto* node = new QTreeWidgetItem({fromUtf8(file.taskName)});
            node->setData(0, FileNameRole, QByteArray::fromStdString(file.fileName));
            const LoadedTask task(pathIn(taskFolder_, file.fileName), 0);
            shell::SetNodePicture(node, pictures,
                                  task ? OperationPicture(task.property(RADEZUVI_PROP_OPERATION)) : 0);
            nodes.push_back(node);
        }
        root->addChildren(nodes);
        tree->setSortingEnabled(true);
        tree->sortByColumn(0, Qt::AscendingOrder);
        tree->expandAll();
    }
    reselectAfterRebuild();
}

QTreeWidgetItem* TaskManager::rootNode() const {
    return form_.TreeView_Task->topLevelItem(0);
}

QTreeWidgetItem* TaskManager::nodeOfFile(const QByteArray& fileName) const {
    QTreeWidgetItem* root = rootNode();
    for (int i = 0; root && i < root->childCount(); ++i)
        if (root->child(i)->data(0, FileNameRole).toByteArray() == fileName)
            return root->child(i);
    return nullptr;
}

// The selection after a rebuild is what the tree now shows: the node of the same file in the
// current folder, the root, or nothing with the task functions off.
void TaskManager::reselectAfterRebuild() {
    QTreeWidgetItem* node = selection_ == Selection::Root   ? rootNode()
                            : selection_ == Selection::Task ? nodeOfFile(selectedFile_)
                                                            : nullptr;
    if (!node) {
        clearSelection();
        return;
    }
    {
        const QSignalBlocker quiet(form_.TreeView_Task);
        form_.TreeView_Task->setCurrentItem(node);
    }
    TreeView_TaskChange(node);
}

void TaskManager::clearSelection() {
    {
        const QSignalBlocker quiet(form_.TreeView_Task);
        form_.TreeView_Task->setCurrentItem(nullptr);
        form_.TreeView_Task->clearSelection();
    }
    selection_ = Selection::None;
    selectedFile_.clear();
    taskName_.clear();
    taskFilePath_.clear();
    mirrorFields();
    form_.ListView_Task->clear();
    form_.Edit_Task->setText(RootText);
    form_.Edit_TaskDescription->setText(NoSelectionDescription);
    form_.SetSwitchPage(shell::SwitchNotebook::TaskFunc, false);
}

void TaskManager::TreeView_TaskChange(QTreeWidgetItem* node) {
    form_.Edit_Task->setText(node->text(0));
    const bool loaded = shell::NodePicture(node) != 0;
    if (!loaded)
        form_.Edit_TaskDescription->setText(RootDescription);
    form_.SetSwitchPage(shell::SwitchNotebook::TaskFunc, loaded);

    taskName_ = node->text(0).toStdString();
    if (node->parent()) {
        selection_ = Selection::Task;
        selectedFile_ = node->data(0, FileNameRole).toByteArray();
        taskFilePath_ = pathIn(taskFolder_, selectedFile_.toStdString());
    } else {
        // The root names no task file, whatever files the folder holds.
        selection_ = Selection::Root;
        selectedFile_.clear();
        taskFilePath_.clear();
    }
    mirrorFields();
    FillTaskProperties();
}

void TaskManager::FillTaskProperties() {
    form_.ListView_Task->clear();
    TaskFacts facts;
    if (taskFilePath_.empty() || !ReadTaskFacts(taskFilePath_, taskName_, facts))
        return;
    QList<QTreeWidgetItem*> rows;
    for (const auto& [property, value] : TaskPropertyRows(facts))
        rows.push_back(new QTreeWidgetItem({fromUtf8(property), fromUtf8(value)}));
    form_.ListView_Task->addTopLevelItems(rows);
    form_.Edit_Task->setText(fromUtf8(taskName_));
    form_.Edit_TaskDescription->setText(fromUtf8(facts.description));
}

} // namespace doz::tasks
