// The "AO" page of the E400 panel driven offscreen against the engine.
#include "panel_fixture.h"

#include "maker/controls/adv_graph.h"

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>

#include <algorithm>

using namespace doz::testpanels;
using namespace doz::testpanels::test;
using doz::ui::testing::ScopedDialogs;

namespace {

const std::string kMachine = "card DAQ-E420 0\n";

struct AoPanel {
    std::unique_ptr<TForm_TestPanel> panel = openPanel<TForm_TestPanel>(1530);
    AoPage& ao = *panel->TabSheet_Ao;
    AoPanel() { panel->PageControl1->setCurrentWidget(&ao); }
    void generator(const QString& frequency, const QString& offset, const QString& amplitude) {
        choose(ao.Cmb_AoMode, "Function Generator");
        typeInto(ao.Edit_AoFreq, frequency);
        typeInto(ao.Edit_AoOffset, offset);
        typeInto(ao.Edit_AoAmpl, amplitude);
        ao.Btn_AoStart->click();
    }
};

// One value of analog input channel 0 of the E420 read through the AI page's single value.
double readAi0(TForm_TestPanel& panel) {
    AiPage& ai = *panel.TabSheet_Ai;
    choose(ai.Cmb_AiMode, "Single Value");
    ai.Btn_AiStart->click();
    return ai.ListView1->topLevelItem(0)->text(1).toDouble();
}

} // namespace

TEST(GenericPanelAo, ChannelsAndModesOfThePage) {
    doz::test::ScopedMachineProfile machine(kMachine);
    AoPanel p;
    EXPECT_EQ(p.ao.Cmb_AoChannel->count(), 2);
    EXPECT_EQ(p.ao.Cmb_AoChannel->itemText(1), "AO1");
    EXPECT_TRUE(p.ao.GroupBox_AoDc->isEnabled());
    EXPECT_FALSE(p.ao.GroupBox_AoFuncGen->isEnabled());
    choose(p.ao.Cmb_AoMode, "Function Generator");
    EXPECT_FALSE(p.ao.GroupBox_AoDc->isEnabled());
    EXPECT_TRUE(p.ao.GroupBox_AoFuncGen->isEnabled());
    EXPECT_EQ(p.ao.Cmb_AoFunc->itemText(3), "Sawtooth Wave");
}

TEST(GenericPanelAo, GeneratorBoundsAreCheckedWithTheirMessages) {
    doz::test::ScopedMachineProfile machine(kMachine);
    ScopedDialogs dialogs;
    AoPanel p;
    p.generator("250000", "5.5", "5");
    EXPECT_EQ(dialogs.informationTexts(), QStringList{"The out value must betweeen -10 and 10."});
    EXPECT_FALSE(p.ao.AoTask);
    p.generator("0", "0", "1");
    p.generator("250001", "0", "1");
    p.generator("100", "-5.5", "5");
    EXPECT_EQ(dialogs.informationTexts(), (QStringList{"The out value must betweeen -10 and 10.",
                                                       "The value of frequency must betweeen 1 and 250000.",
                                                       "The value of frequency must betweeen 1 and 250000.",
                                                       "The out value must betweeen -10 and 10."}));

    p.generator("250000", "5", "5");
    EXPECT_EQ(dialogs.informationTexts().size(), 4) << "the bounds themselves are accepted";
    ASSERT_TRUE(p.ao.AoTask);
    EXPECT_TRUE(p.ao.Btn_AoStop->isEnabled());
    for (const QWidget* locked :
         {static_cast<QWidget*>(p.ao.Btn_AoStart), static_cast<QWidget*>(p.ao.Cmb_AoMode),
          static_cast<QWidget*>(p.ao.Cmb_AoChannel), static_cast<QWidget*>(p.ao.Edit_AoFreq),
          static_cast<QWidget*>(p.ao.Cmb_AoFunc)})
        EXPECT_FALSE(locked->isEnabled()) << locked->objectName().toStdString();
    double frequency = 0;
    Radezuvi_GetChannelPropertyF64(p.ao.AoTask.get(), 0, RADEZUVI_CHPROP_FREQUENCY, &frequency);
    EXPECT_EQ(frequency, 250000.0);
    p.ao.Btn_AoStop->click();
    EXPECT_FALSE(p.ao.AoTask);
    EXPECT_TRUE(p.ao.Btn_AoStart->isEnabled());
    EXPECT_FALSE(p.ao.Btn_AoStop->isEnabled());

    p.generator("1", "-5", "5");
    EXPECT_TRUE(p.ao.AoTask) << "1 Hz and -10 V are accepted";
    p.ao.Btn_AoStop->click();
}

TEST(GenericPanelAo, ARefusedGeneratorStartSaysSoAndLeavesNoTask) {
    doz::test::ScopedMachineProfile machine(kMachine + "fault DAQ-E420 0 start-fails op 0x20004\n");
    ScopedDialogs dialogs;
    LiveTasks live;
    AoPanel p;
    p.generator("100", "0", "1");
    EXPECT_EQ(dialogs.informationTexts(), QStringList{"Parameter Error!"});
    EXPECT_FALSE(p.ao.AoTask);
    EXPECT_EQ(live.count(), 0);
    EXPECT_TRUE(p.ao.Btn_AoStart->isEnabled());
    EXPECT_FALSE(p.ao.Btn_AoStop->isEnabled());
}

TEST(GenericPanelAo, ARefusedGeneratorStopKeepsItRunning) {
    doz::test::ScopedMachineProfile machine(kMachine + "fault DAQ-E420 0 stop-fails op 0x20004\n");
    AoPanel p;
    p.generator("100", "0", "1");
    ASSERT_TRUE(p.ao.AoTask);
    p.ao.Btn_AoStop->click();
    EXPECT_TRUE(p.ao.AoTask);
    EXPECT_TRUE(p.ao.Btn_AoStop->isEnabled());
    EXPECT_FALSE(p.ao.Btn_AoStart->isEnabled());
}

TEST(GenericPanelAo, DcWriteLeavesThePageIdleAndTheLevelOnTheInput) {
    doz::test::ScopedMachineProfile machine(kMachine);
    AoPanel p;
    typeInto(p.ao.Edit_AoDcOut, "3.5");
    p.ao.Btn_AoStart->click();
    ASSERT_TRUE(p.ao.AoTask);
    EXPECT_TRUE(p.ao.Btn_AoStart->isEnabled()) << "another value may be written at once";
    EXPECT_FALSE(p.ao.Btn_AoStop->isEnabled());
    EXPECT_TRUE(p.ao.Edit_AoDcOut->isEnabled());
    EXPECT_EQ(p.ao.Label_AoReadout->text(), "AO0 = 3.500 V");

    const Radezuvi_Handle first = p.ao.AoTask.get();
    typeInto(p.ao.Edit_AoDcOut, "-1");
    p.ao.Btn_AoStart->click();
    EXPECT_EQ(Radezuvi_GetPropertyI4(first, RADEZUVI_PROP_OPERATION), RADEZUVI_ERR_HANDLE)
        << "the task of the earlier value is ended before the new one";
    EXPECT_TRUE(p.ao.AoTask);

    // The input of the same channel follows the output (loop-back): -1 V on top of the signal.
    typeInto(p.ao.Edit_AoDcOut, "9");
    p.ao.Btn_AoStart->click();
    EXPECT_GT(readAi0(*p.panel), 0.0);
}

TEST(GenericPanelAo, AFailedDcWriteShowsNoOutputAndLeavesNoTask) {
    doz::test::ScopedMachineProfile machine(kMachine + "fault DAQ-E420 0 write-returns -8 op 0x20000\n");
    LiveTasks live;
    AoPanel p;
    typeInto(p.ao.Edit_AoDcOut, "2");
    p.ao.Btn_AoStart->click();
    EXPECT_FALSE(p.ao.AoTask);
    EXPECT_EQ(live.count(), 0);
    EXPECT_TRUE(p.ao.Btn_AoStart->isEnabled());
    EXPECT_FALSE(p.ao.Btn_AoStop->isEnabled());
    EXPECT_TRUE(p.ao.Edit_AoDcOut->isEnabled());
    EXPECT_TRUE(p.ao.Label_AoReadout->text().contains("refused"))
        << p.ao.Label_AoReadout->text().toStdString();
}

TEST(GenericPanelAo, TheGeneratorShowsOnTheLoopedBackInput) {
    doz::test::ScopedMachineProfile machine(kMachine);
    AoPanel p;
    AiPage& ai = *p.panel->TabSheet_Ai;
    // The extremes of one block of AI0 (a tenth of a second at 10 kHz).
    const auto extremesOfAi0 = [&] {
        p.panel->PageControl1->setCurrentWidget(&ai);
        ai.Btn_AiStart->click();
        EXPECT_TRUE(ai.AiTask);
        EXPECT_TRUE(pumpUntil([&] { return ai.Label_AiReadout->text().contains("max"); }));
        const QString readout = ai.Label_AiReadout->text();
        ai.Btn_AiStop->click();
        p.panel->PageControl1->setCurrentWidget(&p.ao);
        return std::pair{readout.section("min ", 1).section(' ', 0, 0).toDouble(),
                         readout.section("max ", 1).section(' ', 0, 0).toDouble()};
    };
    const auto [ownLow, ownHigh] = extremesOfAi0();
    // The card's own signal spans 80 % of the ±10 V range.
    EXPECT_NEAR(ownHigh - ownLow, 16.0, 1.0);

    choose(p.ao.Cmb_AoFunc, "Triangle Wave");
    p.generator("50", "1", "3");
    ASSERT_TRUE(p.ao.AoTask);
    const auto [low, high] = extremesOfAi0();
    EXPECT_NEAR(low, -2.0, 0.3) << "AI0 shows the generator's wave: 1 V offset, 3 V amplitude";
    EXPECT_NEAR(high, 4.0, 0.3);
    p.ao.Btn_AoStop->click();
    EXPECT_FALSE(p.ao.AoTask);
}
