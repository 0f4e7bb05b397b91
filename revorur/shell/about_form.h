#pragma once
// TForm_About: the About box of the Help menu.

#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace doz::shell {

class TForm_About : public QDialog {
    Q_OBJECT
public:
    explicit TForm_About(QWidget* parent = nullptr);

    QFrame* Panel1 = nullptr;
    QLabel* ProgramIcon = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Version = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* Button2 = nullptr;
};

} // namespace doz::shell
