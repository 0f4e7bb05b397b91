// The instant test panel of one task: runs it on the engine and shows what it produces, a graph
// for continuous input, values for polling, the port value for port and line reads, counts for
// counters and timers, and a write box for single-point outputs. The handle stays the caller's:
// the panel stops the task when it closes but never ends it.
#pragma once

#include "maker/taskwizard/src/engine_event_sink.h"
#include "maker/taskwizard/src/operation_catalog.h"
#include "maker/taskwizard/src/task_settings.h"

#include <QDialog>
#include <QTimer>

#include <memory>

class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

namespace doz::controls {
class TAdvDigitalGraph;
class TAdvGraph;
} // namespace doz::controls

namespace doz::taskwizard {

class TestPanelDialog : public QDialog {
    Q_OBJECT
public:
    // `task` must name a live task (see showTestPanel for the check).
    TestPanelDialog(Radezuvi_Handle task, const QString& caption, QWidget* parent = nullptr);
    ~TestPanelDialog() override;

    void Button_StartClick();
    void Button_StopClick();
    void Button_WriteClick();
    bool running() const { return running_; }

    // Closing (by any way) stops the task first.
    void done(int result) override;

    QLabel* Label_Operation = nullptr;
    QLabel* Label_Device = nullptr;
    QLabel* Label_Channels = nullptr;
    QStackedWidget* Notebook_Display = nullptr;
    controls::TAdvGraph* Graph_Analog = nullptr;
    controls::TAdvDigitalGraph* Graph_Digital = nullptr;
    QTableWidget* Table_Values = nullptr;
    QLabel* Label_PortValue = nullptr;
    QLabel* Label_Count = nullptr;
    QLabel* Label_Output = nullptr;
    QDoubleSpinBox* Edit_OutputValue = nullptr;
    QSpinBox* Edit_PortValue = nullptr;
    QPushButton* Button_Write = nullptr;
    QLabel* Label_Status = nullptr;
    QPushButton* Button_Start = nullptr;
    QPushButton* Button_Stop = nullptr;
    QPushButton* Button_Close = nullptr;

private:
    QWidget* buildTaskGroup();
    QWidget* buildDisplay();
    QWidget* buildWritePage();
    QWidget* buildButtons();

    bool usesCallback() const;
    bool polls() const;
    int32_t preparePattern();
    void poll();
    void showEvents();
    QString eventText(const EventSummary& summary);
    void showCount(std::uint64_t count, const QString& unit);
    void setStatus(const QString& text);
    void updateButtons();

    Radezuvi_Handle task_;
    TaskSettings settings_;
    const OperationEntry* operation_;
    std::unique_ptr<EngineEventSink> sink_;
    QTimer pollTimer_;
    bool running_ = false;
};

} // namespace doz::taskwizard
