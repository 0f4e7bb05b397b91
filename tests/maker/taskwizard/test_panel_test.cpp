// The instant test panel through its C function: tasks of the test machine run on the real engine,
// the panel's modal run is a script that watches what reaches the window.
#include "tests/maker/taskwizard/wizard_test_support.h"

#include "maker/controls/adv_graph.h"
#include "maker/engine/radezuvi_engine.h"
#include "maker/taskwizard/radezuviwizard.h"
#include "maker/taskwizard/src/test_panel_dialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QThread>

#include <gtest/gtest.h>

namespace doz::taskwizard::testing {
namespace {

using ui::testing::DialogCall;
using PanelScript = std::function<void(TestPanelDialog&)>;

ui::testing::ScriptedDialogs::ModalScript watch(PanelScript script) {
    return [script](QDialog* dialog) {
        auto* panel = dynamic_cast<TestPanelDialog*>(dialog);
        if (!panel) {
            ADD_FAILURE() << "not the test panel";
            return int(QDialog::Rejected);
        }
        script(*panel);
        panel->Button_Close->click();
        return panel->result();
    };
}

// A task of the test machine with its channels enabled; ended by the test, never by the panel.
Radezuvi_Handle makeTask(int operation, int typeCode, std::initializer_list<int> channels) {
    const Radezuvi_Handle task = Radezuvi_CreateTask(operation, typeCode, 0, 1);
    EXPECT_NE(task, 0u);
    for (const int channel : channels) {
        EXPECT_EQ(Radezuvi_EnableSingleChannel(task, channel), RADEZUVI_OK);
    }
    return task;
}

// Leading whole number of a text such as "12,345 events".
qulonglong leadingCount(const QString& text) {
    QString digits;
    for (const QChar c : text) {
        if (c.isDigit()) {
            digits += c;
        } else if (c != QLatin1Char(',') && c != QLatin1Char('.') && !c.isSpace()) {
            break;
        }
    }
    return digits.toULongLong();
}

using TestPanel = WizardTest;

TEST_F(TestPanel, HandleZeroSaysTheTaskCouldNotBeOpened) {
    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(0, 0, 1, "Instant Test Panel -- Level"), -1);

    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 0u);
    const auto boxes = dialogs_.callsOf(DialogCall::Kind::Information);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].title, "Instant Test Panel -- Level");
    EXPECT_EQ(boxes[0].text, "The task could not be opened.");

    // An ended handle is no better than 0.
    const Radezuvi_Handle ended = makeTask(RADEZUVI_OP_AI_POLLING, 1, {0});
    Radezuvi_EndTask(ended);
    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(ended, 0, 1, "Instant Test Panel -- Gone"), -1);
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 0u);
}

TEST_F(TestPanel, ContinuousInputReachesTheGraphAndStopsBeforeReturning) {
    const Radezuvi_Handle task = makeTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, {0, 1});
    ASSERT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 10000), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, 500), RADEZUVI_OK);
    std::uint64_t blocksPlotted = 0;
    QString status;
    QString page;
    dialogs_.modalScripts.push_back(watch([&](TestPanelDialog& panel) {
        EXPECT_TRUE(panel.running());
        page = panel.Notebook_Display->currentWidget()->objectName();
        // The status line is written by the panel on this thread once events were posted to it.
        const bool arrived = processEventsUntil([&] {
            return panel.Graph_Analog->feed()->blocksPlotted() >= 3 &&
                   panel.Label_Status->text().contains("blocks");
        });
        EXPECT_TRUE(arrived) << panel.Label_Status->text().toStdString();
        blocksPlotted = panel.Graph_Analog->feed()->blocksPlotted();
        status = panel.Label_Status->text();
        EXPECT_EQ(panel.Label_Channels->text(), "AI0-AI1");
        EXPECT_EQ(panel.Label_Operation->text(), "Analog Input -- Continuous Waveform Acquisition");
    }));

    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(task, 0, 1, "Instant Test Panel -- Vibration"), 0);

    ASSERT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 1u);
    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::RunModal)[0].title, "Instant Test Panel -- Vibration");
    EXPECT_EQ(page, "Page_AnalogGraph");
    EXPECT_GE(blocksPlotted, 3u);
    EXPECT_TRUE(status.contains("AI0")) << status.toStdString();
    // Stopped (settings are refused while a task runs) but not ended: the handle is still the caller's.
    EXPECT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 20000), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION), RADEZUVI_OP_AI_CONTINUOUS);
    // The panel's callback is gone: the task runs again without it.
    ASSERT_EQ(Radezuvi_Start(task), RADEZUVI_OK);
    QThread::msleep(100);
    EXPECT_EQ(Radezuvi_Stop(task), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
}

TEST_F(TestPanel, ClosingWhileBlocksPourInLeavesNothingBehind) {
    // A thousand blocks a second: notices are still queued for each panel when it closes.
    const Radezuvi_Handle task = makeTask(RADEZUVI_OP_AI_CONTINUOUS, 1530, {0, 1, 2, 3});
    ASSERT_EQ(Radezuvi_SetPropertyF64(task, RADEZUVI_PROP_AI_RATE, 100000), RADEZUVI_OK);
    ASSERT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, 100), RADEZUVI_OK);
    for (int round = 0; round < 20; ++round) {
        dialogs_.modalScripts.push_back(watch([](TestPanelDialog& panel) {
            EXPECT_TRUE(processEventsUntil([&] { return panel.Graph_Analog->feed()->blocksPlotted() > 0; }));
        }));
        ASSERT_EQ(ZEVOZAZA_ShowTestPanel(task, 0, 1, "Instant Test Panel -- Burst"), 0);
        QThread::msleep(2);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(dialogs_.count(DialogCall::Kind::RunModal), 20u);
    EXPECT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_BLOCK_SIZE, 200), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
}

TEST_F(TestPanel, CounterShowsGrowingCounts) {
    const Radezuvi_Handle task = makeTask(RADEZUVI_OP_TC_EVENT_COUNTER, 320, {0});
    qulonglong first = 0;
    qulonglong later = 0;
    dialogs_.modalScripts.push_back(watch([&](TestPanelDialog& panel) {
        EXPECT_EQ(panel.Notebook_Display->currentWidget()->objectName(), "Page_Count");
        EXPECT_TRUE(processEventsUntil([&] { return leadingCount(panel.Label_Count->text()) > 0; }));
        first = leadingCount(panel.Label_Count->text());
        EXPECT_TRUE(processEventsUntil([&] { return leadingCount(panel.Label_Count->text()) > first; }));
        later = leadingCount(panel.Label_Count->text());
        EXPECT_TRUE(panel.Label_Count->text().endsWith("events")) << panel.Label_Count->text().toStdString();
    }));

    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(task, 0, 1, "Instant Test Panel -- Counter"), 0);

    EXPECT_GT(first, 0u);
    EXPECT_GT(later, first);
    std::uint32_t frozen = 0;
    ASSERT_EQ(Radezuvi_TC_GetValue(task, &frozen), RADEZUVI_OK);
    QThread::msleep(50);
    std::uint32_t still = 0;
    ASSERT_EQ(Radezuvi_TC_GetValue(task, &still), RADEZUVI_OK);
    EXPECT_EQ(frozen, still); // stopped when the panel closed
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
}

TEST_F(TestPanel, PollingShowsAValuePerChannelAndPortsShowTheirValue) {
    const Radezuvi_Handle polling = makeTask(RADEZUVI_OP_AI_POLLING, 1, {0, 3});
    dialogs_.modalScripts.push_back(watch([&](TestPanelDialog& panel) {
        ASSERT_EQ(panel.Table_Values->rowCount(), 2);
        EXPECT_EQ(panel.Table_Values->item(1, 0)->text(), "AI3");
        bool ok = false;
        const double value = panel.Table_Values->item(1, 1)->text().toDouble(&ok);
        EXPECT_TRUE(ok) << panel.Table_Values->item(1, 1)->text().toStdString();
        EXPECT_LE(std::abs(value), 10.0);
    }));
    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(polling, 0, 1, "Instant Test Panel -- Level"), 0);
    Radezuvi_EndTask(polling);

    // Port 4 of the D230 reads back what its output port 4 was given (loop-back).
    const Radezuvi_Handle output = makeTask(RADEZUVI_OP_DO_PORT, 120, {4});
    dialogs_.modalScripts.push_back(watch([&](TestPanelDialog& panel) {
        panel.Edit_PortValue->setValue(0x5A);
        panel.Button_Write->click();
        EXPECT_TRUE(panel.Label_Status->text().startsWith("Wrote 0x5A"))
            << panel.Label_Status->text().toStdString();
    }));
    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(output, 0, 0, "Instant Test Panel -- Lamps"), 0);
    Radezuvi_EndTask(output);

    const Radezuvi_Handle input = makeTask(RADEZUVI_OP_DI_PORT, 120, {4});
    dialogs_.modalScripts.push_back(
        watch([&](TestPanelDialog& panel) { EXPECT_EQ(panel.Label_PortValue->text(), "0x5A  (90)"); }));
    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(input, 0, 1, "Instant Test Panel -- Switches"), 0);
    Radezuvi_EndTask(input);
}

TEST_F(TestPanel, WithoutAutoStartTheTaskWaitsForStart) {
    const Radezuvi_Handle task = makeTask(RADEZUVI_OP_TC_TIMER, 320, {0});
    ASSERT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_TIMER_INTERVAL, 20), RADEZUVI_OK);
    dialogs_.modalScripts.push_back(watch([&](TestPanelDialog& panel) {
        EXPECT_FALSE(panel.running());
        EXPECT_TRUE(panel.Button_Start->isEnabled());
        panel.Button_Start->click();
        EXPECT_TRUE(panel.running());
        EXPECT_TRUE(processEventsUntil([&] { return leadingCount(panel.Label_Count->text()) >= 2; }))
            << panel.Label_Count->text().toStdString();
        EXPECT_TRUE(panel.Label_Count->text().endsWith("ticks"));
    }));

    EXPECT_EQ(ZEVOZAZA_ShowTestPanel(task, 0, 0, nullptr), 0);

    EXPECT_EQ(dialogs_.callsOf(DialogCall::Kind::RunModal)[0].title, "Instant Test Panel");
    EXPECT_EQ(Radezuvi_SetPropertyU4(task, RADEZUVI_PROP_TIMER_INTERVAL, 1000), RADEZUVI_OK);
    EXPECT_EQ(Radezuvi_EndTask(task), 1);
}

} // namespace
} // namespace doz::taskwizard::testing
