// The openers the device manager's table calls: record, caption, placement, modal run, disposal.
#include "panel_fixture.h"

#include "revorur/testpanels/panel_opening.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QTabWidget>

using namespace doz::testpanels;
using namespace doz::testpanels::test;
using doz::ui::testing::DialogCall;
using doz::ui::testing::ScopedDialogs;

namespace {

struct Seen {
    QPointer<QDialog> dialog;
    QString title;
    QPoint position;
    bool aoTab = false;
    int aiChannels = 0;
};

ScopedDialogs::ModalScript recordInto(Seen& seen) {
    return [&seen](QDialog* dialog) {
        seen.dialog = dialog;
        seen.title = dialog->windowTitle();
        seen.position = dialog->pos();
        auto* panel = dynamic_cast<GenericPanel*>(dialog);
        if (panel) {
            seen.aoTab = panel->PageControl1->isTabVisible(panel->PageControl1->indexOf(panel->TabSheet_Ao));
            seen.aiChannels = panel->PanelCaps.ai.channelCount;
        }
        return static_cast<int>(QDialog::Rejected);
    };
}

} // namespace

TEST(PanelOpeners, TheGenericPanelOpensModallyWithTheCardsRecordAndCaption) {
    doz::test::ScopedMachineProfile machine("card DAQ-E445 0\n");
    ScopedDialogs dialogs;
    QWidget owner;
    owner.move(100, 80);
    Seen seen;
    dialogs.modalScripts.push_back(recordInto(seen));
    const doz::devices::PanelRequest request{.owner = &owner,
                                             .typeCode = 1580,
                                             .cardNumber = 0,
                                             .caption = "DAQ-E445: 0 Test Panel",
                                             .placed = true};
    OpenGenericPanel(request);
    ASSERT_EQ(dialogs.count(DialogCall::Kind::RunModal), 1u);
    EXPECT_EQ(dialogs.callsOf(DialogCall::Kind::RunModal)[0].text, "TForm_TestPanel");
    EXPECT_EQ(seen.title, "DAQ-E445: 0 Test Panel");
    EXPECT_EQ(seen.position, owner.frameGeometry().topLeft() + QPoint(24, 24));
    EXPECT_EQ(seen.aiChannels, 96);
    EXPECT_TRUE(seen.dialog.isNull()) << "the panel is destroyed when it closes";
}

TEST(PanelOpeners, TheVirtualDevicePanelKeepsItsOwnCaption) {
    ScopedDialogs dialogs;
    Seen seen;
    dialogs.modalScripts.push_back(recordInto(seen));
    OpenVirtualDevicePanel(
        doz::devices::PanelRequest{.typeCode = 1, .caption = "Virtual Device Test Panel", .placed = false});
    EXPECT_EQ(dialogs.callsOf(DialogCall::Kind::RunModal)[0].text, "TForm_TestPanel_VirDev");
    EXPECT_EQ(seen.title, "TestPanel: Virtual Device");
    EXPECT_EQ(seen.aiChannels, 4);
    EXPECT_TRUE(seen.dialog.isNull());
}
