#pragma once
// TForm_TaskRename: asks for the new name of a task.

#include <QDialog>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace doz::tasks {

class TForm_TaskRename : public QDialog {
    Q_OBJECT
public:
    explicit TForm_TaskRename(QWidget* parent = nullptr);

    bool accepted = false;

    void Button_OKClick();
    void Button_CancelClick();

    QGroupBox* GroupBox_OldName = nullptr;
    QLineEdit* Edit_OldName = nullptr;
    QGroupBox* GroupBox_NewName = nullptr;
    QLineEdit* Edit_NewName = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;
};

} // namespace doz::tasks
