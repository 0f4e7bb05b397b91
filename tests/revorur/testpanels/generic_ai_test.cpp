// The "AI" page of the E400 panel driven offscreen against the engine.
#include "panel_fixture.h"

#include "maker/controls/adv_graph.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

using namespace doz::testpanels;
using namespace doz::testpanels::test;
using doz::ui::testing::ScopedDialogs;

namespace {

const std::string kE400Machine = "card DAQ-E420 0\n"
                                 "card DAQ-E430 0\n"
                                 "card DAQ-E445 0\n"
                                 "card DAQ-E450 0\n"
                                 "card DAQ-E410 0\n";

QStringList items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->itemText(i);
    return texts;
}

bool tabShown(const GenericPanel& panel, QWidget* page) {
    return panel.PageControl1->isTabVisible(panel.PageControl1->indexOf(page));
}

} // namespace

TEST(GenericPanelAi, TabsFollowTheCapabilityRecord) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    for (const int code : {1580, 1590}) {
        auto panel = openPanel<TForm_TestPanel>(code);
        EXPECT_TRUE(tabShown(*panel, panel->TabSheet_Ai)) << code;
        EXPECT_FALSE(tabShown(*panel, panel->TabSheet_Ao)) << code << " has no analog output";
        EXPECT_TRUE(tabShown(*panel, panel->TabSheet_Dio)) << code;
    }
    auto panel = openPanel<TForm_TestPanel>(1530);
    EXPECT_TRUE(tabShown(*panel, panel->TabSheet_Ao));
    EXPECT_EQ(panel->PageControl1->tabText(0), "AI");
    EXPECT_EQ(panel->PageControl1->tabText(1), "AO");
    EXPECT_EQ(panel->PageControl1->tabText(2), "DIO");
}

TEST(GenericPanelAi, ListsComeFromTheRecordWhenThePageShows) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    auto panel = openPanel<TForm_TestPanel>(1550);
    AiPage& ai = *panel->TabSheet_Ai;
    EXPECT_EQ(items(ai.Cmb_AiMode), (QStringList{"Continue AI", "Single Value"}));
    EXPECT_EQ(ai.Cmb_AiChannel->count(), 64);
    EXPECT_EQ(ai.Cmb_AiChannel->itemText(63), "AI63");
    EXPECT_EQ(items(ai.Cmb_AiRefG),
              (QStringList{"Reference Single Ended", "Differential", "Non Reference Single Ended"}));
    EXPECT_EQ(items(ai.Cmb_AiRange), (QStringList{"+/- 10V", "+/- 5V", "+/- 2.5V", "+/- 1.25V"}));
    for (const QComboBox* list : {ai.Cmb_AiMode, ai.Cmb_AiChannel, ai.Cmb_AiRefG, ai.Cmb_AiRange})
        EXPECT_EQ(list->currentIndex(), 0) << list->objectName().toStdString();
    EXPECT_EQ(ai.Edit_AiSampRate->text(), "10000");
    EXPECT_FALSE(ai.Btn_AiStop->isEnabled());

    choose(ai.Cmb_AiMode, "Single Value");
    EXPECT_EQ(ai.Notebook_00->currentWidget()->objectName(), "List");
    EXPECT_FALSE(ai.Edit_AiSampRate->isEnabled());
    choose(ai.Cmb_AiMode, "Continue AI");
    EXPECT_EQ(ai.Notebook_00->currentWidget()->objectName(), "Graph");
    EXPECT_TRUE(ai.Edit_AiSampRate->isEnabled());
}

TEST(GenericPanelAi, DifferentialHalvesTheChannelListKeepingTheChannelModuloTheCount) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    auto panel = openPanel<TForm_TestPanel>(1550);
    AiPage& ai = *panel->TabSheet_Ai;
    ai.Cmb_AiChannel->setCurrentIndex(40);
    choose(ai.Cmb_AiRefG, "Differential");
    EXPECT_EQ(ai.Cmb_AiChannel->count(), 32);
    EXPECT_EQ(ai.Cmb_AiChannel->currentText(), "AI8");
    choose(ai.Cmb_AiRefG, "Non Reference Single Ended");
    EXPECT_EQ(ai.Cmb_AiChannel->count(), 64);
    EXPECT_EQ(ai.Cmb_AiChannel->currentText(), "AI8");

    // A single reference mode: the list is never halved.
    auto single = openPanel<TForm_TestPanel>(1530);
    EXPECT_EQ(single->TabSheet_Ai->Cmb_AiRefG->currentText(), "Differential");
    EXPECT_EQ(single->TabSheet_Ai->Cmb_AiChannel->count(), 4);
}

TEST(GenericPanelAi, SingleValueListsOneRowPerChannelRead) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel>(1550);
    AiPage& ai = *panel->TabSheet_Ai;
    choose(ai.Cmb_AiMode, "Single Value");
    choose(ai.Cmb_AiRefG, "Differential");
    ai.Btn_AiStart->click();
    ASSERT_EQ(ai.ListView1->topLevelItemCount(), 32);
    EXPECT_EQ(ai.ListView1->topLevelItem(31)->text(0), "AI31");
    EXPECT_EQ(ai.ListView1->topLevelItem(0)->text(2), "Differential");
    EXPECT_FALSE(ai.AiTask) << "the read task is ended";
    EXPECT_EQ(live.count(), 0);
    EXPECT_TRUE(ai.Btn_AiStart->isEnabled());

    auto four = openPanel<TForm_TestPanel>(1510);
    choose(four->TabSheet_Ai->Cmb_AiMode, "Single Value");
    four->TabSheet_Ai->Btn_AiStart->click();
    ASSERT_EQ(four->TabSheet_Ai->ListView1->topLevelItemCount(), 4) << "one reference mode: no halving";
    bool ok = false;
    const QString value = four->TabSheet_Ai->ListView1->topLevelItem(2)->text(1);
    const double volts = value.toDouble(&ok);
    EXPECT_TRUE(ok) << value.toStdString();
    EXPECT_LE(std::abs(volts), 10.0);
    EXPECT_EQ(value.section('.', 1).size(), 6) << "printed with %f";
}

TEST(GenericPanelAi, RateLimitAcceptsTheMaximumAndRefusesMoreOrLessThanOne) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    ScopedDialogs dialogs;
    auto panel = openPanel<TForm_TestPanel>(1510);
    AiPage& ai = *panel->TabSheet_Ai;

    typeInto(ai.Edit_AiSampRate, "500001");
    ai.Btn_AiStart->click();
    EXPECT_EQ(dialogs.informationTexts(), QStringList{"The value of sampling rate is out of range."});
    EXPECT_FALSE(ai.AiTask);

    typeInto(ai.Edit_AiSampRate, "0");
    ai.Btn_AiStart->click();
    typeInto(ai.Edit_AiSampRate, "-5");
    ai.Btn_AiStart->click();
    EXPECT_EQ(dialogs.informationTexts().size(), 3) << "a rate below 1 gets the rate message too";
    EXPECT_FALSE(ai.AiTask);

    typeInto(ai.Edit_AiSampRate, "500000.9");
    ai.Btn_AiStart->click();
    EXPECT_EQ(dialogs.informationTexts().size(), 3) << "the maximum (read as a whole number) is accepted";
    ASSERT_TRUE(ai.AiTask);
    EXPECT_FALSE(ai.Btn_AiStart->isEnabled());
    EXPECT_TRUE(ai.Btn_AiStop->isEnabled());
    for (const QWidget* locked :
         {static_cast<QWidget*>(ai.Cmb_AiMode), static_cast<QWidget*>(ai.Cmb_AiChannel),
          static_cast<QWidget*>(ai.Cmb_AiRefG), static_cast<QWidget*>(ai.Cmb_AiRange),
          static_cast<QWidget*>(ai.Edit_AiSampRate)})
        EXPECT_FALSE(locked->isEnabled()) << locked->objectName().toStdString();
    double rate = 0;
    Radezuvi_GetPropertyF64(ai.AiTask.get(), RADEZUVI_PROP_AI_RATE, &rate);
    EXPECT_EQ(rate, 500000.0);
    EXPECT_EQ(Radezuvi_GetPropertyI4(ai.AiTask.get(), RADEZUVI_PROP_BLOCK_SIZE), 50000);
    ai.Btn_AiStop->click();
    EXPECT_FALSE(ai.AiTask);
    EXPECT_TRUE(ai.Btn_AiStart->isEnabled());
    EXPECT_FALSE(ai.Btn_AiStop->isEnabled());
}

TEST(GenericPanelAi, ContinuousAcquisitionDrawsTheSelectedChannel) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    auto panel = openPanel<TForm_TestPanel>(1530);
    AiPage& ai = *panel->TabSheet_Ai;
    ai.Cmb_AiChannel->setCurrentIndex(2);
    choose(ai.Cmb_AiRange, "+/- 5V");
    ai.Btn_AiStart->click();
    ASSERT_TRUE(ai.AiTask);
    uint16_t* channels = nullptr;
    ASSERT_EQ(Radezuvi_GetEnabledChannelList(ai.AiTask.get(), &channels), 1);
    EXPECT_EQ(channels[0], 2);
    Radezuvi_FreeChannelList(channels);
    ASSERT_TRUE(pumpUntil([&] { return ai.AdvGraph1->shownSamples() == 1000u; }));
    EXPECT_TRUE(ai.Label_AiReadout->text().startsWith("AI2  10000 S/s  1000 pts"))
        << ai.Label_AiReadout->text().toStdString();
    EXPECT_LE(ai.AdvGraph1->voltHigh(), 5.0) << "a signal within the ±5 V range";
    ai.Btn_AiStop->click();
}

TEST(GenericPanelAi, ARefusedStartLeavesNoTaskAndTheControlsIdle) {
    doz::test::ScopedMachineProfile machine(kE400Machine + "fault DAQ-E420 0 start-fails op 0x10003\n");
    ScopedDialogs dialogs;
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel>(1530);
    AiPage& ai = *panel->TabSheet_Ai;
    ai.Btn_AiStart->click();
    EXPECT_FALSE(ai.AiTask) << "the task of a refused start is ended";
    EXPECT_EQ(live.count(), 0);
    EXPECT_TRUE(ai.Btn_AiStart->isEnabled());
    EXPECT_FALSE(ai.Btn_AiStop->isEnabled());
    EXPECT_TRUE(dialogs.informationTexts().isEmpty()) << "the refusal is silent";
}

TEST(GenericPanelAi, ARefusedReadEndsItsTask) {
    doz::test::ScopedMachineProfile machine(kE400Machine + "fault DAQ-E420 0 read-fails op 0x10000\n");
    LiveTasks live;
    auto panel = openPanel<TForm_TestPanel>(1530);
    AiPage& ai = *panel->TabSheet_Ai;
    choose(ai.Cmb_AiMode, "Single Value");
    ai.Btn_AiStart->click();
    EXPECT_FALSE(ai.AiTask);
    EXPECT_EQ(live.count(), 0);
    EXPECT_EQ(ai.ListView1->topLevelItemCount(), 0);
}

TEST(GenericPanelAi, ARefusedStopKeepsTheTaskAndTheLockedControls) {
    doz::test::ScopedMachineProfile machine(kE400Machine + "fault DAQ-E420 0 stop-fails op 0x10003\n");
    auto panel = openPanel<TForm_TestPanel>(1530);
    AiPage& ai = *panel->TabSheet_Ai;
    ai.Btn_AiStart->click();
    ASSERT_TRUE(ai.AiTask);
    const Radezuvi_Handle running = ai.AiTask.get();
    ai.Btn_AiStop->click();
    EXPECT_EQ(ai.AiTask.get(), running);
    EXPECT_TRUE(ai.Btn_AiStop->isEnabled());
    EXPECT_FALSE(ai.Btn_AiStart->isEnabled());
    panel->close();
    EXPECT_FALSE(ai.AiTask) << "closing ends the task all the same";
    EXPECT_EQ(Radezuvi_GetPropertyI4(running, RADEZUVI_PROP_OPERATION), RADEZUVI_ERR_HANDLE);
}

TEST(GenericPanelAi, ShowingThePageAgainKeepsTheListsOfARunningAcquisition) {
    doz::test::ScopedMachineProfile machine(kE400Machine);
    auto panel = openPanel<TForm_TestPanel>(1550);
    AiPage& ai = *panel->TabSheet_Ai;
    choose(ai.Cmb_AiRefG, "Differential");
    ai.Cmb_AiChannel->setCurrentIndex(20);
    choose(ai.Cmb_AiRange, "+/- 2.5V");
    ai.Btn_AiStart->click();
    ASSERT_TRUE(ai.AiTask);
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Dio);
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Ai);
    EXPECT_TRUE(ai.AiTask) << "the acquisition runs on while another page is used";
    EXPECT_EQ(ai.Cmb_AiChannel->currentText(), "AI20");
    EXPECT_EQ(ai.Cmb_AiChannel->count(), 32);
    EXPECT_EQ(ai.Cmb_AiRefG->currentText(), "Differential");
    EXPECT_EQ(ai.Cmb_AiRange->currentText(), "+/- 2.5V");
    ai.Btn_AiStop->click();

    // Idle, the page refills as it shows.
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Dio);
    panel->PageControl1->setCurrentWidget(panel->TabSheet_Ai);
    EXPECT_EQ(ai.Cmb_AiChannel->count(), 64);
    EXPECT_EQ(ai.Cmb_AiRange->currentIndex(), 0);
}

TEST(GenericPanelAi, NumberBoxesLetThroughDigitsPointAndMinusOnly) {
    auto panel = openPanel<TForm_TestPanel_VirDev>(1);
    AoPage& ao = *panel->TabSheet_Ao;
    const auto typed = [](QLineEdit* box) {
        box->clear();
        QTest::keyClicks(box, "-1a2.5 e+x");
        return box->text();
    };
    EXPECT_EQ(typed(panel->TabSheet_Ai->Edit_AiSampRate), "-12.5");
    EXPECT_EQ(typed(ao.Edit_AoDcOut), "-12.5");
    choose(ao.Cmb_AoMode, "Function Generator");
    for (QLineEdit* box :
         {ao.Edit_AoOffset, ao.Edit_AoFreq, ao.Edit_AoAmpl, ao.Edit_AoPhase, ao.Edit_AoDutyCycle})
        EXPECT_EQ(typed(box), "-12.5") << box->objectName().toStdString();
}
