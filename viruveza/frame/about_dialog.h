#pragma once
// The About dialog: the program icon, "Ruzidavidez Version 1.0" and OK.

#include <QDialog>

class QLabel;
class QPushButton;

namespace doz::frame {

class CAboutDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    QLabel* Lbl_Version;
    QPushButton* Btn_OK;
};

} // namespace doz::frame
