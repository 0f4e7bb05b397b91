// A few seconds of continuous acquisition at the card's maximum while the user switches pages,
// starts and stops: run under the address and thread sanitizers too.
#include "panel_fixture.h"

#include "maker/controls/adv_graph.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QPushButton>
#include <QTabWidget>

using namespace doz::testpanels;
using namespace doz::testpanels::test;

TEST(PanelSoak, AcquisitionAtTheCardMaximumWhileSwitchingPagesStartingAndStopping) {
    doz::test::ScopedMachineProfile machine("card DAQ-E420 0\n");
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel>(1530);
    AiPage& ai = *panel->TabSheet_Ai;
    typeInto(ai.Edit_AiSampRate, "2000000");
    QWidget* const pages[] = {panel->TabSheet_Ao, panel->TabSheet_Dio, panel->TabSheet_Ai};
    QElapsedTimer clock;
    clock.start();
    int cycles = 0;
    std::uint64_t painted = 0;
    while (clock.elapsed() < 3000) {
        panel->PageControl1->setCurrentWidget(&ai);
        ai.Btn_AiStart->click();
        ASSERT_TRUE(ai.AiTask) << "cycle " << cycles;
        for (QWidget* page : pages) {
            panel->PageControl1->setCurrentWidget(page);
            pump(60);
        }
        ai.Btn_AiStop->click();
        ASSERT_FALSE(ai.AiTask);
        painted = ai.AdvGraph1->framesPainted();
        ++cycles;
    }
    EXPECT_GE(cycles, 3);
    EXPECT_GT(painted, 0u);
    panel->close();
    EXPECT_EQ(live.count(), 0);
}
