// The bus scan: every slot's function 0, in bus order, identified and numbered.
#pragma once

#include "dedozovaz/dedozovaz.h"
#include "dedozovaz/pci_access.h"

#include <cstdint>
#include <vector>

namespace dedozovaz {

// The scan stops recording at this many cards: the caller's array has room for no more.
inline constexpr std::size_t MaxFoundCards = VIZ_MAX_DEVICES;

struct FoundCard {
    std::uint16_t sequence; // 1 for the first card found
    std::uint16_t type;
    std::uint16_t cardNumber;
    std::uint16_t perTypeIndex; // the (family, type) counter when the card was found
    std::uint32_t base;
    std::uint32_t family;
};

// The first MaxFoundCards cards of the bus in discovery order.
std::vector<FoundCard> scanBus(PciAccess& bus);

} // namespace dedozovaz
