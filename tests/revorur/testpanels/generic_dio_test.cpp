// The "DIO" page of the E400 panel driven offscreen against the engine.
#include "panel_fixture.h"

#include "maker/controls/dboolean.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

using namespace doz::testpanels;
using namespace doz::testpanels::test;
using doz::controls::TDBoolean;

namespace {

const std::string kMachine = "card DAQ-E420 0\n";

struct DioPanel {
    std::unique_ptr<TForm_TestPanel> panel = openPanel<TForm_TestPanel>(1530);
    DioPage& dio = *panel->TabSheet_Dio;
    DioPanel() { panel->PageControl1->setCurrentWidget(&dio); }
    void direction(int port, DioPage::Direction direction) {
        dio.Cmb_DioPort->setCurrentIndex(port);
        (direction == DioPage::Output ? dio.Btn_DioPortOutput : dio.Btn_DioPortInput)->click();
    }
};

bool looksLikeInput(const TDBoolean& bank) {
    return bank.Style() == 1 && bank.ControlMode() == 0 && bank.TopColor() == QColor(0, 255, 0);
}

bool looksLikeOutput(const TDBoolean& bank) {
    return bank.Style() == 7 && bank.ControlMode() == 1 && bank.TopColor() == QColor(255, 0, 0);
}

} // namespace

TEST(GenericPanelDio, ShowingThePageMakesAReadTaskPerPortAndStartsThePoll) {
    doz::test::ScopedMachineProfile machine(kMachine);
    DioPanel p;
    EXPECT_EQ(p.dio.Timer1->interval(), 300);
    EXPECT_TRUE(p.dio.Timer1->isActive());
    for (int port = 0; port < kPortCount; ++port) {
        ASSERT_TRUE(p.dio.PortTasks[port]) << port;
        EXPECT_EQ(Radezuvi_GetPropertyI4(p.dio.PortTasks[port].get(), RADEZUVI_PROP_OPERATION),
                  RADEZUVI_OP_DI_PORT);
        EXPECT_TRUE(looksLikeInput(*p.dio.bank(port)));
    }
    EXPECT_EQ(p.dio.bank(0), p.dio.DBooleanA);
    EXPECT_EQ(p.dio.DBooleanC->objectName(), "DBooleanC");

    LiveTasks live;
    p.panel->PageControl1->setCurrentWidget(p.panel->TabSheet_Ai);
    EXPECT_FALSE(p.dio.Timer1->isActive());
    for (const TaskSlot& task : p.dio.PortTasks)
        EXPECT_FALSE(task);
    EXPECT_EQ(live.count(), 0);
}

TEST(GenericPanelDio, OutputSwitchesShowOnTheInputOfThePortAfterSwitchingBack) {
    doz::test::ScopedMachineProfile machine(kMachine);
    DioPanel p;
    p.direction(0, DioPage::Output);
    EXPECT_EQ(p.dio.PortDirections[0], DioPage::Output);
    EXPECT_TRUE(looksLikeOutput(*p.dio.DBooleanA));
    EXPECT_EQ(Radezuvi_GetPropertyI4(p.dio.PortTasks[0].get(), RADEZUVI_PROP_OPERATION), RADEZUVI_OP_DO_PORT);
    p.dio.DBooleanA->lineButton(0)->click();
    p.dio.DBooleanA->lineButton(2)->click();
    p.dio.DBooleanA->lineButton(7)->click();
    EXPECT_EQ(p.dio.DBooleanA->Value(), 0x85u);

    // The poll leaves an output alone.
    p.dio.Timer1Timer();
    EXPECT_EQ(p.dio.DBooleanA->Value(), 0x85u);

    p.direction(0, DioPage::Input);
    EXPECT_TRUE(looksLikeInput(*p.dio.DBooleanA));
    p.dio.DBooleanA->SetValue(0);
    p.dio.Timer1Timer();
    EXPECT_EQ(p.dio.DBooleanA->Value(), 0x85u) << "the input reads what the output wrote (loop-back)";
    EXPECT_EQ(p.dio.DBooleanB->Value(), 0u);

    const Radezuvi_Handle input = p.dio.PortTasks[0].get();
    p.direction(0, DioPage::Input);
    EXPECT_EQ(p.dio.PortTasks[0].get(), input) << "Input on an input port changes nothing";
}

TEST(GenericPanelDio, AFailingPortReadDropsOnlyItsOwnTask) {
    doz::test::ScopedMachineProfile machine(
        kMachine + "input DAQ-E420 0 port 2 0x5A\nfault DAQ-E420 0 read-fails port 1\n");
    DioPanel p;
    p.dio.Timer1Timer();
    EXPECT_FALSE(p.dio.PortTasks[1]) << "the failing port loses its task";
    EXPECT_TRUE(p.dio.PortTasks[0]);
    EXPECT_TRUE(p.dio.PortTasks[2]);
    EXPECT_EQ(p.dio.DBooleanC->Value(), 0x5Au) << "the ports after it are still read";
    EXPECT_EQ(p.dio.DBooleanB->Value(), 0u);
    p.dio.Timer1Timer();
    EXPECT_EQ(p.dio.DBooleanC->Value(), 0x5Au);

    // Shown again, the page makes the port's task again.
    p.panel->PageControl1->setCurrentWidget(p.panel->TabSheet_Ai);
    p.panel->PageControl1->setCurrentWidget(&p.dio);
    EXPECT_TRUE(p.dio.PortTasks[1]);
}

TEST(GenericPanelDio, APortThatCannotBeEnabledDoesNotStopTheOthers) {
    doz::test::ScopedMachineProfile machine(
        kMachine + "input DAQ-E420 0 port 2 0x33\nfault DAQ-E420 0 enable-fails op 0x40001 port 0\n");
    LiveTasks live;
    DioPanel p;
    EXPECT_FALSE(p.dio.PortTasks[0]);
    EXPECT_TRUE(p.dio.PortTasks[1]);
    EXPECT_TRUE(p.dio.PortTasks[2]);
    EXPECT_TRUE(p.dio.Timer1->isActive());
    p.dio.Timer1Timer();
    EXPECT_EQ(p.dio.DBooleanC->Value(), 0x33u);
    EXPECT_EQ(live.count(), 2) << "the task that could not be enabled was ended";
}

TEST(GenericPanelDio, ABankChangesItsLookOnlyWhenThePortTaskWasMade) {
    doz::test::ScopedMachineProfile machine(kMachine + "fault DAQ-E420 0 create-fails op 0x80001\n");
    DioPanel p;
    p.direction(1, DioPage::Output);
    EXPECT_EQ(p.dio.PortDirections[1], DioPage::Input);
    EXPECT_TRUE(looksLikeInput(*p.dio.DBooleanB)) << "no task, no switches";
    EXPECT_FALSE(p.dio.PortTasks[1]);

    doz::test::ScopedMachineProfile enableRefused(kMachine +
                                                  "fault DAQ-E420 0 enable-fails op 0x80001 port 2\n");
    DioPanel q;
    LiveTasks live;
    q.direction(2, DioPage::Output);
    EXPECT_EQ(q.dio.PortDirections[2], DioPage::Input);
    EXPECT_TRUE(looksLikeInput(*q.dio.DBooleanC));
    EXPECT_FALSE(q.dio.PortTasks[2]) << "a task that cannot be enabled is ended";
    EXPECT_EQ(live.count(), 0);
}

TEST(GenericPanelDio, AFailedPortWriteDoesNotShowThePattern) {
    doz::test::ScopedMachineProfile machine(kMachine + "fault DAQ-E420 0 write-returns -8 op 0x80001\n");
    DioPanel p;
    p.direction(0, DioPage::Output);
    ASSERT_TRUE(looksLikeOutput(*p.dio.DBooleanA));
    p.dio.DBooleanA->lineButton(3)->click();
    EXPECT_EQ(p.dio.DBooleanA->Value(), 0u) << "the switch goes back: the port did not take it";
}
