#pragma once
// TForm_SystemInfo: the processor of the machine, filled once, and its memory status,
// refreshed every second while the dialog is open.

#include "common/platform/system_info.h"

#include <QDialog>

#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace doz::shell {

class TForm_SystemInfo : public QDialog {
    Q_OBJECT
public:
    // Where the figures come from; tests hand in their own machine.
    using InfoSource = std::function<platform::SystemInfo()>;

    explicit TForm_SystemInfo(QWidget* parent = nullptr, InfoSource source = platform::readSystemInfo);

    void FormCreate();
    void Timer1Timer();

    QGroupBox* GroupBox_Processor = nullptr;
    QGroupBox* GroupBox_Memory = nullptr;
    QLabel* Label_ProcInfo_00 = nullptr; // processor type
    QLabel* Label_ProcInfo_01 = nullptr; // number of processors
    QLabel* Label_ProcInfo_02 = nullptr; // architecture
    QLabel* Label_ProcInfo_03 = nullptr; // clock
    QLabel* Label_ProcInfo_04 = nullptr; // lowest application address
    QLabel* Label_ProcInfo_05 = nullptr; // highest application address
    QLabel* Label_MemInfo_00 = nullptr;  // total physical memory
    QLabel* Label_MemInfo_01 = nullptr;  // available physical memory
    QLabel* Label_MemInfo_02 = nullptr;  // total virtual address space
    QLabel* Label_MemInfo_03 = nullptr;  // available virtual address space
    QLabel* Label_MemInfo_04 = nullptr;  // available physical memory plus available address space
    QPushButton* Button1 = nullptr;
    QTimer* Timer1 = nullptr;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    std::array<QLabel*, 6> processorLabels() const;
    std::array<QLabel*, 5> memoryLabels() const;
    void fillMemory(const platform::SystemInfo& info);

    InfoSource source_;
};

} // namespace doz::shell
