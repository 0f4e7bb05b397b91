#pragma once
// The "System Profile" dialog (About My Computer...): processor and memory status, refreshed
// when it opens and then at its update interval while it is open.

#include "common/platform/system_info.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;
class QTimer;

namespace doz::frame {

class CSystemProfileDlg : public QDialog {
    Q_OBJECT
public:
    using InfoSource = std::function<platform::SystemInfo()>;

    // `interval` in milliseconds; 0 refreshes only when the dialog opens.
    explicit CSystemProfileDlg(QWidget* parent = nullptr, int interval = 1000, InfoSource source = {});

    QPushButton* Btn_OK;
    // The value labels in the order of the dialog's lines.
    std::vector<QLabel*> values;
    QTimer* refreshTimer() const { return timer_; }

    void refresh();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    InfoSource source_;
    QTimer* timer_;
};

} // namespace doz::frame
