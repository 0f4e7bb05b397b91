#pragma once
// The texts of a code source's node in the data source browser: the card, the operation and
// the main parameters of its record.

#include "viruveza/generators/device_setup.h"

#include <cstdint>
#include <string>
#include <vector>

namespace doz::frame {

inline constexpr const char* kNoSourceText = "No Source...";

// The browser's card label of a card type, by line; empty outside the tables.
std::string browserCardLabel(int line, std::uint16_t cardType);
// The browser's operation label, by line; empty outside the tables.
std::string browserOperationLabel(int line, std::uint16_t operation);

// The children of a code source's node, in order: card, operation, then the parameters.
std::vector<std::string> browserChildTexts(int line, std::uint16_t operation,
                                           const generators::DeviceSetup& record);

} // namespace doz::frame
