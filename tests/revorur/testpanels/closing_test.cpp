// Closing a panel ends every task it owns, whatever runs, and its poll.
#include "panel_fixture.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace doz::testpanels;
using namespace doz::testpanels::test;

namespace {

// Starts a continuous acquisition, the generator and an output port, and leaves the digital page
// current so its port tasks live.
template <class Panel> void runEverything(Panel& panel) {
    AiPage& ai = *panel.TabSheet_Ai;
    ai.Btn_AiStart->click();
    ASSERT_TRUE(ai.AiTask);
    AoPage& ao = *panel.TabSheet_Ao;
    panel.PageControl1->setCurrentWidget(&ao);
    choose(ao.Cmb_AoMode, "Function Generator");
    ao.Btn_AoStart->click();
    ASSERT_TRUE(ao.AoTask);
    DioPage& dio = *panel.TabSheet_Dio;
    panel.PageControl1->setCurrentWidget(&dio);
    dio.Cmb_DioPort->setCurrentIndex(1);
    dio.Btn_DioPortOutput->click();
    for (const TaskSlot& port : dio.PortTasks)
        ASSERT_TRUE(port);
    ASSERT_TRUE(dio.Timer1->isActive());
}

template <class Panel> void expectIdle(Panel& panel) {
    EXPECT_FALSE(panel.TabSheet_Ai->AiTask);
    EXPECT_TRUE(panel.TabSheet_Ai->Btn_AiStart->isEnabled());
    EXPECT_FALSE(panel.TabSheet_Ai->Btn_AiStop->isEnabled());
    EXPECT_FALSE(panel.TabSheet_Ao->AoTask);
    EXPECT_TRUE(panel.TabSheet_Ao->Btn_AoStart->isEnabled());
    EXPECT_FALSE(panel.TabSheet_Dio->Timer1->isActive());
}

} // namespace

TEST(PanelClosing, TheE400PanelEndsEveryKindOfTask) {
    doz::test::ScopedMachineProfile machine("card DAQ-E420 0\n");
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel>(1530);
    runEverything(*panel);
    EXPECT_EQ(live.count(), 5);
    pump(150);
    panel->Btn_Close->click();
    EXPECT_FALSE(panel->isVisible());
    EXPECT_EQ(live.count(), 0);
    expectIdle(*panel);
}

TEST(PanelClosing, TheVirtualDevicePanelEndsEveryTaskAndItsPoll) {
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    runEverything(*panel);
    // Its digital tasks outlive the page and the poll runs on.
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Ai);
    EXPECT_TRUE(panel->TabSheet_Dio->Timer1->isActive());
    EXPECT_EQ(live.count(), 5);
    panel->close();
    EXPECT_EQ(live.count(), 0);
    expectIdle(*panel);
}

TEST(PanelClosing, DestroyingAnOpenPanelEndsItsTasks) {
    LiveTasks live;
    {
        auto panel = openPanel<TForm_TestPanel_VirDev>(1);
        runEverything(*panel);
        pump(120);
    }
    EXPECT_EQ(live.count(), 0);
    pump(50); // a queued update of the gone panel is dropped, not run
}
