#pragma once
// The one table from the catalogue's panel kind to the opener of that panel.

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/panel_request.h"

namespace doz::devices {

// The opener of a panel kind; nullptr while that panel does not exist (nothing opens).
PanelOpener OpenerOfPanel(catalogue::PanelKind kind);

// The opener of the calibration dialog; nullptr while it does not exist.
PanelOpener CalibrationOpener();

} // namespace doz::devices
