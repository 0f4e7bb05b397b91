#pragma once
// The card types of the E400 driver library: the number by which the driver counts each model
// of the E400 series, handed to the calibration dialog when it registers a card.

#include <cstdint>

namespace doz::catalogue {

// The driver library's card type of an E400 type code (1510 to 1620); 0 for every other code.
std::uint16_t DriverCardTypeOfType(int typeCode);

} // namespace doz::catalogue
