#include "revorur/testpanels/panel_opening.h"

#include "revorur/testpanels/form_test_panel.h"
#include "revorur/testpanels/form_test_panel_virdev.h"

#include "common/ui/dialogs.h"
#include "revorur/devices/catalogue/capabilities.h"

#include <memory>

namespace doz::testpanels {

namespace {

void runPanel(QDialog& panel, const devices::PanelRequest& request) {
    if (request.placed)
        devices::PlaceBesideOwner(&panel, request.owner);
    ui::dialogs().runModal(&panel);
}

} // namespace

void OpenGenericPanel(const devices::PanelRequest& request) {
    const auto panel = std::make_unique<TForm_TestPanel>(catalogue::BuildGenericCardCaps(request.typeCode),
                                                         request.cardNumber, request.owner);
    panel->setWindowTitle(request.caption);
    runPanel(*panel, request);
}

void OpenVirtualDevicePanel(const devices::PanelRequest& request) {
    // The panel keeps its own caption.
    const auto panel = std::make_unique<TForm_TestPanel_VirDev>(
        catalogue::BuildGenericCardCaps(request.typeCode), request.cardNumber, request.owner);
    runPanel(*panel, request);
}

} // namespace doz::testpanels
