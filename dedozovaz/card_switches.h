// Card numbers set on the ID switches of the maker's digital I/O cards.
#pragma once

#include <cstdint>
#include <optional>

namespace dedozovaz {

// Offset of the bridge's general-purpose I/O register from the card's I/O base.
inline constexpr std::uint32_t GpioRegisterOffset = 0x54;

// I/O port of the general-purpose I/O register for a card whose base register reads base.
constexpr std::uint32_t gpioPort(std::uint32_t base) {
    return (base & 0xFFFC) + GpioRegisterOffset;
}

// Whether cards of this family-0 type carry ID switches.
bool hasIdSwitches(std::uint16_t type);

// The card number the switches of a card of this type show in the register value gpio.
std::uint16_t switchCardNumber(std::uint16_t type, std::uint32_t gpio);

} // namespace dedozovaz
