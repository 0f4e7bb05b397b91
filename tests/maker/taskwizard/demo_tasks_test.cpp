// The demo task folder on the demo machine: every task loads with its card, together they cover
// the families a new user tries first, and each runs in the test panel without a refusal.
#include "tests/maker/taskwizard/wizard_test_support.h"

#include "maker/engine/radezuvi_engine.h"
#include "maker/taskwizard/radezuviwizard.h"
#include "maker/taskwizard/src/test_panel_dialog.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSet>

#include <gtest/gtest.h>

namespace doz::taskwizard::testing {
namespace {

const QString kProfiles = QStringLiteral(DEMO_PROFILES);

class DemoTasks : public WizardTest {
protected:
    void SetUp() override {
        WizardTest::SetUp();
        ASSERT_EQ(machine_.useFile(QFile::encodeName(kProfiles + "/demo.machine").toStdString()), 0);
    }
};

TEST_F(DemoTasks, LoadCoverTheFamiliesAndRunInThePanel) {
    const QDir folder(kProfiles + "/demo-tasks");
    const QStringList files = folder.entryList({"*.tsk"}, QDir::Files);
    ASSERT_GE(files.size(), 6);
    QSet<int> operations;
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const Radezuvi_Handle task = Radezuvi_LoadTask(QFile::encodeName(folder.filePath(file)), 1);
        ASSERT_NE(task, 0u);
        operations.insert(Radezuvi_GetPropertyI4(task, RADEZUVI_PROP_OPERATION));
        QString status;
        bool running = false;
        dialogs_.modalScripts.push_back([&](QDialog* dialog) {
            auto* panel = dynamic_cast<TestPanelDialog*>(dialog);
            EXPECT_NE(panel, nullptr);
            running = panel && panel->running();
            status = panel ? panel->Label_Status->text() : QString();
            return int(QDialog::Rejected);
        });
        EXPECT_EQ(ZEVOZAZA_ShowTestPanel(task, 0, 1, "Instant Test Panel"), 0);
        EXPECT_TRUE(running) << status.toStdString();
        EXPECT_EQ(Radezuvi_EndTask(task), 1);
    }
    for (const int wanted : {RADEZUVI_OP_AI_POLLING, RADEZUVI_OP_AI_CONTINUOUS, RADEZUVI_OP_AO_VOLTAGE,
                             RADEZUVI_OP_DI_PORT, RADEZUVI_OP_DO_PORT, RADEZUVI_OP_TC_EVENT_COUNTER}) {
        EXPECT_TRUE(operations.contains(wanted)) << std::hex << wanted;
    }
}

} // namespace
} // namespace doz::taskwizard::testing
