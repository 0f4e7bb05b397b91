#include "viruveza/frame/system_profile_dialog.h"

#include "viruveza/frame/system_profile.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace doz::frame {

CSystemProfileDlg::CSystemProfileDlg(QWidget* parent, int interval, InfoSource source)
    : QDialog(parent), source_(source ? std::move(source) : [] { return platform::readSystemInfo(); }),
      timer_(new QTimer(this)) {
    setObjectName("CSystemProfileDlg");
    setWindowTitle("System Profile");
    timer_->setInterval(interval);
    connect(timer_, &QTimer::timeout, this, [this] { refresh(); });

    const std::vector<ProfileLine> lines = systemProfileLines({}, 0);
    auto* processor = new QGroupBox("Processor Status");
    auto* memory = new QGroupBox("Memory Status");
    auto* processorForm = new QFormLayout(processor);
    auto* memoryForm = new QFormLayout(memory);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto* value = new QLabel;
        value->setObjectName(QString("Lbl_Value%1").arg(i));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        value->setMinimumWidth(170);
        auto* label = new QLabel(QString::fromStdString(lines[i].label));
        label->setBuddy(value);
        value->setAccessibleName(label->text());
        (i < kProcessorLineCount ? processorForm : memoryForm)->addRow(label, value);
        values.push_back(value);
    }
    Btn_OK = new QPushButton("OK");
    Btn_OK->setObjectName("Btn_OK");
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);

    auto* groups = new QHBoxLayout;
    groups->addWidget(processor);
    groups->addWidget(memory);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Btn_OK);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    refresh();
}

void CSystemProfileDlg::refresh() {
    const platform::SystemInfo info = source_();
    const std::vector<ProfileLine> lines = systemProfileLines(info, processorClockMhz(info));
    for (std::size_t i = 0; i < lines.size() && i < values.size(); ++i)
        values[i]->setText(QString::fromStdString(lines[i].value));
}

void CSystemProfileDlg::showEvent(QShowEvent* event) {
    refresh();
    if (timer_->interval() > 0)
        timer_->start();
    QDialog::showEvent(event);
}

void CSystemProfileDlg::hideEvent(QHideEvent* event) {
    timer_->stop();
    QDialog::hideEvent(event);
}

} // namespace doz::frame
