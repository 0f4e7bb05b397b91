#pragma once
// The one table from the catalogue's panel kind to the opener of that panel.

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/panel_request.h"

#include <optional>

namespace doz::devices {

// The opener of a panel kind; nullptr while that panel does not exist (nothing opens).
PanelOpener OpenerOfPanel(catalogue::PanelKind kind);

// The opener of the calibration dialog; nullptr while it does not exist.
PanelOpener CalibrationOpener();

// Replaces the opener of one panel kind, or of the calibration dialog, for its lifetime, so
// tests see the request a panel would get without opening the panel.
class ScopedPanelOpener {
public:
    ScopedPanelOpener(catalogue::PanelKind kind, PanelOpener opener);
    // The calibration dialog's opener.
    explicit ScopedPanelOpener(PanelOpener calibrationOpener);
    ~ScopedPanelOpener();
    ScopedPanelOpener(const ScopedPanelOpener&) = delete;
    ScopedPanelOpener& operator=(const ScopedPanelOpener&) = delete;

private:
    std::optional<catalogue::PanelKind> kind_; // nullopt: the calibration dialog
    std::optional<PanelOpener> previous_;      // the override this one hides, if any
};

} // namespace doz::devices
