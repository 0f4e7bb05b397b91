#include "revorur/devices/panel_openers.h"

#include "revorur/testpanels/panel_opening.h"

#include <map>

namespace doz::devices {

namespace {

using catalogue::PanelKind;

// A panel joins by adding its row here.
const std::map<PanelKind, PanelOpener>& panelTable() {
    static const std::map<PanelKind, PanelOpener> table{
        {PanelKind::Generic, testpanels::OpenGenericPanel},
        {PanelKind::VirtualDevice, testpanels::OpenVirtualDevicePanel},
    };
    return table;
}

} // namespace

PanelOpener OpenerOfPanel(PanelKind kind) {
    const auto& table = panelTable();
    const auto it = table.find(kind);
    return it == table.end() ? nullptr : it->second;
}

PanelOpener CalibrationOpener() {
    return nullptr;
}

} // namespace doz::devices
