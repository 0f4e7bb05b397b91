// Configuration mechanism 1: an address word written to one port selects the dword read at the other.
#pragma once

#include "dedozovaz/pci_access.h"

#include <cstdint>

namespace dedozovaz {

inline constexpr std::uint16_t ConfigAddressPort = 0xCF8;
inline constexpr std::uint16_t ConfigDataPort = 0xCFC;

constexpr std::uint32_t configAddress(PciSlot slot, std::uint8_t offset) {
    return 0x80000000U | static_cast<std::uint32_t>(slot.bus) << 16 |
           static_cast<std::uint32_t>(slot.device & 0x1F) << 11 |
           static_cast<std::uint32_t>(slot.function & 0x07) << 8 | (offset & 0xFCU);
}

} // namespace dedozovaz
