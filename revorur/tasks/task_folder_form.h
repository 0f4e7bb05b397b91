#pragma once
// TForm_TaskFolder: shows the task folder and takes a new one, which must be an existing folder.

#include <QDialog>

#include <string>

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace doz::tasks {

class TForm_TaskFolder : public QDialog {
    Q_OBJECT
public:
    explicit TForm_TaskFolder(QWidget* parent = nullptr);

    // Set by "OK" when `Edit_Folder01` names an existing folder.
    bool accepted = false;
    // That folder as an absolute path, without a trailing separator.
    std::string acceptedFolder;

    void Button1Click();
    void Button_OKClick();
    void Button_CancelClick();

    QGroupBox* GroupBox_Current = nullptr;
    QLineEdit* Edit_Folder00 = nullptr;
    QGroupBox* GroupBox_New = nullptr;
    QLineEdit* Edit_Folder01 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button_OK = nullptr;
    QPushButton* Button_Cancel = nullptr;
};

// The folder a typed text names, absolute and without a trailing separator; empty when the text
// names no existing folder.
std::string ExistingFolderOf(const std::string& typed);

} // namespace doz::tasks
