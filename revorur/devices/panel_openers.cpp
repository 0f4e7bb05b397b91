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

PanelOpener calibrationOpener() {
    return nullptr;
}

// Openers that tests put in place of the table's.
std::map<PanelKind, PanelOpener>& panelOverrides() {
    static std::map<PanelKind, PanelOpener> overrides;
    return overrides;
}

std::optional<PanelOpener>& calibrationOverride() {
    static std::optional<PanelOpener> opener;
    return opener;
}

} // namespace

PanelOpener OpenerOfPanel(PanelKind kind) {
    if (const auto o = panelOverrides().find(kind); o != panelOverrides().end())
        return o->second;
    const auto& table = panelTable();
    const auto it = table.find(kind);
    return it == table.end() ? nullptr : it->second;
}

PanelOpener CalibrationOpener() {
    return calibrationOverride() ? *calibrationOverride() : calibrationOpener();
}

ScopedPanelOpener::ScopedPanelOpener(PanelKind kind, PanelOpener opener) : kind_(kind) {
    auto& overrides = panelOverrides();
    if (const auto it = overrides.find(kind); it != overrides.end())
        previous_ = it->second;
    overrides[kind] = opener;
}

ScopedPanelOpener::ScopedPanelOpener(PanelOpener calibrationOpener) : previous_(calibrationOverride()) {
    calibrationOverride() = calibrationOpener;
}

ScopedPanelOpener::~ScopedPanelOpener() {
    if (!kind_)
        calibrationOverride() = previous_;
    else if (previous_)
        panelOverrides()[*kind_] = *previous_;
    else
        panelOverrides().erase(*kind_);
}

} // namespace doz::devices
