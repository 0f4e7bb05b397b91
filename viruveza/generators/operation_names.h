#pragma once
// The operations of both lines and the names that head a generated file.

#include "viruveza/generators/device_setup.h"

#include <cstdint>

namespace doz::generators {

namespace classic_operation {
inline constexpr std::uint16_t SinglePointAi = 0;
inline constexpr std::uint16_t AnalogOutput = 1;
inline constexpr std::uint16_t DigitalInput = 2;
inline constexpr std::uint16_t DigitalOutput = 3;
inline constexpr std::uint16_t ContinuousAi = 4;
inline constexpr std::uint16_t ContinuousAo = 5;
inline constexpr std::uint16_t ContinuousDi = 6;
inline constexpr std::uint16_t ContinuousDo = 7;
inline constexpr std::uint16_t InterruptEvent = 8;
inline constexpr std::uint16_t Counter = 9;
} // namespace classic_operation

namespace e400_operation {
inline constexpr std::uint16_t SinglePointAi = 0;
inline constexpr std::uint16_t ContinuousAi = 1;
inline constexpr std::uint16_t AnalogOutput = 2;
inline constexpr std::uint16_t ContinuousAo = 3;
inline constexpr std::uint16_t DigitalInput = 4;
inline constexpr std::uint16_t DigitalOutput = 5;
inline constexpr std::uint16_t TimerCounter = 6;
} // namespace e400_operation

// The name of an operation in its line's table; empty outside the table.
const char* OperationName(CardLine line, std::uint16_t operation);

} // namespace doz::generators
