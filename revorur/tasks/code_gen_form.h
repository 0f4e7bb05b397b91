#pragma once
// TForm_CodeGen: the C reference code of a task, from the template of its operation with the
// task's name put in; copied to the clipboard or saved.

#include <QDialog>

#include <filesystem>
#include <string>

class QPlainTextEdit;
class QPushButton;

namespace doz::tasks {

class TForm_CodeGen : public QDialog {
    Q_OBJECT
public:
    explicit TForm_CodeGen(QWidget* parent = nullptr);

    // Set by the caller before the form is shown.
    std::string TaskFilePath;
    std::string TaskName;
    // Where templates are looked for after the current directory.
    std::filesystem::path ProgramFolder;

    // Loads the task's template into Memo1 and names the task in it.
    void FormShow();
    void Button_CopyClick();
    void Button_SaveClick();

    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button_Copy = nullptr;
    QPushButton* Button_Save = nullptr;
    QPushButton* Button_Close = nullptr;
};

} // namespace doz::tasks
