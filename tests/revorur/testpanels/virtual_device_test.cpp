// The virtual device panel: where it differs from the E400 panel.
#include "panel_fixture.h"

#include "maker/controls/adv_graph.h"
#include "maker/controls/dboolean.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

using namespace doz::testpanels;
using namespace doz::testpanels::test;
using doz::ui::testing::ScopedDialogs;

TEST(VirtualDevicePanel, OwnCaptionTabsAndFixedOutputChannels) {
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    EXPECT_EQ(panel->windowTitle(), "TestPanel: Virtual Device");
    EXPECT_EQ(panel->objectName(), "TForm_TestPanel_VirDev");
    for (int tab = 0; tab < 3; ++tab)
        EXPECT_TRUE(panel->PageControl1->isTabVisible(tab));
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Ao);
    AoPage& ao = *panel->TabSheet_Ao;
    ASSERT_EQ(ao.Cmb_AoChannel->count(), 2);
    EXPECT_EQ(ao.Cmb_AoChannel->itemText(0), "AO0");
    EXPECT_EQ(ao.Cmb_AoChannel->itemText(1), "A01");
    AiPage& ai = *panel->TabSheet_Ai;
    EXPECT_EQ(ai.Cmb_AiRefG->count(), 1) << "the form's own reference items are replaced";
    EXPECT_EQ(ai.Cmb_AiRefG->itemText(0), "Differential");
    EXPECT_EQ(ai.Cmb_AiRange->itemText(1), "+/- 5V");
}

TEST(VirtualDevicePanel, SingleValueListsTwoChannels) {
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    AiPage& ai = *panel->TabSheet_Ai;
    choose(ai.Cmb_AiMode, "Single Value");
    ai.Btn_AiStart->click();
    ASSERT_EQ(ai.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(ai.ListView1->topLevelItem(0)->text(0), "AI0");
    EXPECT_EQ(ai.ListView1->topLevelItem(1)->text(0), "AI1");
    EXPECT_EQ(live.count(), 0);
}

TEST(VirtualDevicePanel, StreamsAtItsMaximumAndRefusesMore) {
    ScopedDialogs dialogs;
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    AiPage& ai = *panel->TabSheet_Ai;
    typeInto(ai.Edit_AiSampRate, "100001");
    ai.Btn_AiStart->click();
    EXPECT_EQ(dialogs.informationTexts(), QStringList{"The value of sampling rate is out of range."});
    typeInto(ai.Edit_AiSampRate, "100000");
    ai.Btn_AiStart->click();
    ASSERT_TRUE(ai.AiTask);
    EXPECT_EQ(Radezuvi_GetPropertyI4(ai.AiTask.get(), RADEZUVI_PROP_DEVICE_TYPE), 1);
    ASSERT_TRUE(pumpUntil([&] { return ai.AdvGraph1->shownSamples() == 10000u; }));
    ai.Btn_AiStop->click();
    EXPECT_FALSE(ai.AiTask);
}

TEST(VirtualDevicePanel, GeneratorRefusesFrequencyZero) {
    ScopedDialogs dialogs;
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    AoPage& ao = *panel->TabSheet_Ao;
    panel->PageControl1->setCurrentWidget(&ao);
    choose(ao.Cmb_AoMode, "Function Generator");
    typeInto(ao.Edit_AoFreq, "0");
    ao.Btn_AoStart->click();
    EXPECT_EQ(dialogs.informationTexts(), QStringList{"The value of frequency must betweeen 1 and 250000."});
    EXPECT_FALSE(ao.AoTask);
    ao.Cmb_AoChannel->setCurrentIndex(1);
    typeInto(ao.Edit_AoFreq, "100");
    ao.Btn_AoStart->click();
    ASSERT_TRUE(ao.AoTask);
    uint16_t* channels = nullptr;
    ASSERT_EQ(Radezuvi_GetEnabledChannelList(ao.AoTask.get(), &channels), 1);
    EXPECT_EQ(channels[0], 1) << "\"A01\" is channel 1";
    Radezuvi_FreeChannelList(channels);
    ao.Btn_AoStop->click();
}

TEST(VirtualDevicePanel, PortTasksLiveWhileAnotherPageIsUsed) {
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    DioPage& dio = *panel->TabSheet_Dio;
    panel->PageControl1->setCurrentWidget(&dio);
    dio.Btn_DioPortOutput->click();
    ASSERT_EQ(dio.PortDirections[0], DioPage::Output);
    dio.DBooleanA->lineButton(1)->click();
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Ao);
    EXPECT_TRUE(dio.Timer1->isActive());
    for (const TaskSlot& port : dio.PortTasks)
        EXPECT_TRUE(port);
    dio.Cmb_DioPort->setCurrentIndex(0);
    dio.Btn_DioPortInput->click();
    dio.Timer1Timer();
    EXPECT_EQ(dio.DBooleanA->Value(), 2u) << "the virtual device loops its outputs back";
}
