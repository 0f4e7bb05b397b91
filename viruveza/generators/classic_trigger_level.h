#pragma once
// The S710/S720 analog trigger level: a level in volts as the 8-bit code the card expects.

#include <cstdint>

namespace doz::generators {

// On the ±5 V (2) and ±1 V (10) ranges: 0 below the span, 255 above it, inside it the scaled
// level truncated toward zero. Other ranges give 0.
std::uint8_t S720TriggerLevelCode(float volts, std::uint16_t adRange);

} // namespace doz::generators
