#pragma once
// What the device manager hands a test panel or the calibration dialog when it opens one. Each
// panel folder offers an opener of this shape; the opener builds the capability record its
// panel needs from the type code, creates the form, places it and runs it modally.

#include <QPoint>
#include <QString>
#include <QWidget>

#include <cstdint>

namespace doz::devices {

struct PanelRequest {
    QWidget* owner = nullptr;         // the main window: owns the modal form while it is open
    int typeCode = 0;                 // the code whose panel and capabilities open: the chosen sub-type
                                      // for group cards, 150 for 140 (which shares its record)
    std::int16_t cardNumber = 0;      // the card's number
    std::uint16_t driverCardType = 0; // the E400 driver library's card type (calibration)
    QString caption;                  // node text + " Test Panel" or " Calibration"
    bool placed = true;               // false: the form opens at its own default position
};

using PanelOpener = void (*)(const PanelRequest& request);

// Most forms open 24 pixels right of and below the main window's top-left corner.
inline void PlaceBesideOwner(QWidget* form, const QWidget* owner) {
    if (owner)
        form->move(owner->frameGeometry().topLeft() + QPoint(24, 24));
}

} // namespace doz::devices
