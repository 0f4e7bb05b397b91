#include "revorur/tasks/task_folder_form.h"

#include "common/ui/dialogs.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>

namespace doz::tasks {

std::string ExistingFolderOf(const std::string& typed) {
    std::error_code error;
    if (typed.empty() || !std::filesystem::is_directory(typed, error))
        return {};
    std::filesystem::path folder = std::filesystem::absolute(typed, error).lexically_normal();
    if (error)
        return {};
    std::string text = folder.string();
    while (text.size() > 1 && text.back() == '/')
        text.pop_back();
    return text;
}

TForm_TaskFolder::TForm_TaskFolder(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("Form_TaskFolder");
    setWindowTitle("Specify the folder for Task files");

    GroupBox_Current = new QGroupBox("Current Folder", this);
    Edit_Folder00 = new QLineEdit(GroupBox_Current);
    Edit_Folder00->setObjectName("Edit_Folder00");
    Edit_Folder00->setEnabled(false);
    Edit_Folder00->setAccessibleName("Current Folder");
    (new QVBoxLayout(GroupBox_Current))->addWidget(Edit_Folder00);

    GroupBox_New = new QGroupBox("New Folder", this);
    Edit_Folder01 = new QLineEdit(GroupBox_New);
    Edit_Folder01->setObjectName("Edit_Folder01");
    Edit_Folder01->setAccessibleName("New Folder");
    Button1 = new QPushButton("...", GroupBox_New);
    Button1->setObjectName("Button1");
    Button1->setAccessibleName("Browse");
    auto* newRow = new QHBoxLayout(GroupBox_New);
    newRow->addWidget(Edit_Folder01, 1);
    newRow->addWidget(Button1);

    Button_OK = new QPushButton("OK", this);
    Button_OK->setObjectName("Button_OK");
    Button_OK->setDefault(true);
    Button_Cancel = new QPushButton("Cancel", this);
    Button_Cancel->setObjectName("Button_Cancel");
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Button_OK);
    buttons->addWidget(Button_Cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(GroupBox_Current);
    layout->addWidget(GroupBox_New);
    layout->addLayout(buttons);
    resize(460, 200);

    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button_OK, &QPushButton::clicked, this, [this] { Button_OKClick(); });
    connect(Button_Cancel, &QPushButton::clicked, this, [this] { Button_CancelClick(); });
}

void TForm_TaskFolder::Button1Click() {
    const QString chosen =
        ui::dialogs().chooseFolder(this, "Select the folder for DAQ Tasks", Edit_Folder01->text());
    if (!chosen.isEmpty())
        Edit_Folder01->setText(chosen);
}

void TForm_TaskFolder::Button_OKClick() {
    const std::string folder = ExistingFolderOf(Edit_Folder01->text().toStdString());
    if (folder.empty()) {
        ui::dialogs().information(this, windowTitle(), "The directory does not exist!");
        return;
    }
    accepted = true;
    acceptedFolder = folder;
    accept();
}

void TForm_TaskFolder::Button_CancelClick() {
    accepted = false;
    reject();
}

} // namespace doz::tasks
