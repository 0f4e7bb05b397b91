#include "revorur/tasks/task_rename_form.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace doz::tasks {
namespace {

QLineEdit* boxInGroup(QGroupBox* group, const char* name) {
    auto* edit = new QLineEdit(group);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setAccessibleName(group->title());
    (new QVBoxLayout(group))->addWidget(edit);
    return edit;
}

} // namespace

TForm_TaskRename::TForm_TaskRename(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setObjectName("Form_TaskRename");
    setWindowTitle("Rename");

    GroupBox_OldName = new QGroupBox("Current name of this Task", this);
    Edit_OldName = boxInGroup(GroupBox_OldName, "Edit_OldName");
    Edit_OldName->setReadOnly(true);
    GroupBox_NewName = new QGroupBox("New name for this Task", this);
    Edit_NewName = boxInGroup(GroupBox_NewName, "Edit_NewName");
    Edit_NewName->setText("New_Task");

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
    layout->addWidget(GroupBox_OldName);
    layout->addWidget(GroupBox_NewName);
    layout->addLayout(buttons);
    resize(320, 180);

    connect(Button_OK, &QPushButton::clicked, this, [this] { Button_OKClick(); });
    connect(Button_Cancel, &QPushButton::clicked, this, [this] { Button_CancelClick(); });
}

void TForm_TaskRename::Button_OKClick() {
    accepted = true;
    accept();
}

void TForm_TaskRename::Button_CancelClick() {
    accepted = false;
    reject();
}

} // namespace doz::tasks
