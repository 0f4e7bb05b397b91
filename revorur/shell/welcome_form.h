#pragma once
// TForm_Welcome: the borderless splash shown while the main window first shows. It closes
// itself when its timer first fires (2 seconds); the timer's interval is the splash's duration.

#include <QDialog>

class QLabel;
class QTimer;

namespace doz::shell {

class TForm_Welcome : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Welcome(QWidget* parent = nullptr);

    void FormShow();
    void Timer1Timer();

    QLabel* Image1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace doz::shell
