#pragma once
// The E400 analog-trigger level code: a level in volts as the 16-bit code the driver expects.

#include <cstdint>

namespace doz::generators {

// Levels below the span of `rangeCode` give 1, above it 256; inside it the scaled level,
// truncated toward zero. Ranges without an analog trigger give 0.
std::uint16_t AnalogTriggerLevelCode(float volts, std::uint16_t rangeCode);

} // namespace doz::generators
