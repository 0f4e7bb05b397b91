#include "revorur/testpanels/form_test_panel_virdev.h"

namespace doz::testpanels {

namespace {

GenericPanelRules virtualDeviceRules() {
    GenericPanelRules rules{};
    rules.formName = "TForm_TestPanel_VirDev";
    rules.caption = "TestPanel: Virtual Device";
    rules.tabsByCapability = false;
    rules.boundDevice = kVirtualDevice;
    rules.referenceItems = {"Differential", "Single Ended"};
    rules.ai.referenceHalvesChannels = false;
    rules.ai.singleValueChannels = 4;
    rules.ai.singleValueHalving = SingleValueHalving::FirstReference;
    rules.ai.enableByProperty = false;
    rules.ao.fixedChannels = {"AO0", "A01"};
    rules.dio.inputOpenNow = 1;
    rules.dio.outputOpenNow = 1;
    // The port tasks live and the poll runs until the panel closes.
    rules.dio.hideEndsTasks = false;
    return rules;
}

} // namespace

TForm_TestPanel_VirDev::TForm_TestPanel_VirDev(const catalogue::GenericCardCaps& caps,
                                               std::int16_t cardNumber, QWidget* parent)
    : GenericPanel(caps, cardNumber, virtualDeviceRules(), parent) {}

} // namespace doz::testpanels
