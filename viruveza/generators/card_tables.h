#pragma once
// The card types of both lines: the constant that names a card in generated code and, for the
// E400 line, the size of its channel tables and the groups the writers tell apart.

#include "viruveza/generators/device_setup.h"

#include <cstdint>

namespace doz::generators {

// Classic-line card type values, as stored in `DeviceSetup::cardType`.
namespace classic_card {
inline constexpr std::uint16_t A120V = 1;
inline constexpr std::uint16_t A120A = 2;
inline constexpr std::uint16_t A130V = 3;
inline constexpr std::uint16_t A130A = 4;
inline constexpr std::uint16_t D210 = 5;
inline constexpr std::uint16_t D220 = 6;
inline constexpr std::uint16_t D223 = 7;
inline constexpr std::uint16_t D224 = 8;
inline constexpr std::uint16_t D230 = 9;
inline constexpr std::uint16_t D231 = 10;
inline constexpr std::uint16_t D235 = 11;
inline constexpr std::uint16_t D237 = 12;
inline constexpr std::uint16_t D250 = 13;
inline constexpr std::uint16_t D260A_RevA = 14;
inline constexpr std::uint16_t D260A_RevB = 15;
inline constexpr std::uint16_t D280 = 16;
inline constexpr std::uint16_t D281 = 17;
inline constexpr std::uint16_t D282 = 18;
inline constexpr std::uint16_t T310 = 19;
inline constexpr std::uint16_t M610DG = 20;
inline constexpr std::uint16_t M610HR = 21;
inline constexpr std::uint16_t M620 = 22;
inline constexpr std::uint16_t M630 = 23;
inline constexpr std::uint16_t M640DG = 24;
inline constexpr std::uint16_t M640HG = 25;
inline constexpr std::uint16_t M660DG = 26;
inline constexpr std::uint16_t M660HG = 27;
inline constexpr std::uint16_t M660HR = 28;
inline constexpr std::uint16_t S710 = 29;
inline constexpr std::uint16_t S720 = 30;
inline constexpr std::uint16_t D270 = 31;
inline constexpr std::uint16_t M650 = 32;
inline constexpr std::uint16_t D240 = 33;
inline constexpr std::uint16_t D242 = 34;
inline constexpr std::uint16_t D245 = 35;
inline constexpr std::uint16_t D295 = 36;
} // namespace classic_card

// E400-line card type values.
namespace e400_card {
inline constexpr std::uint16_t E420 = 1;
inline constexpr std::uint16_t E435 = 2;
inline constexpr std::uint16_t E440 = 3;
inline constexpr std::uint16_t E410 = 4;
inline constexpr std::uint16_t E430 = 5;
inline constexpr std::uint16_t E415 = 6;
inline constexpr std::uint16_t E460 = 7;
inline constexpr std::uint16_t E465 = 8;
inline constexpr std::uint16_t E445 = 9;
inline constexpr std::uint16_t E450 = 10;
inline constexpr std::uint16_t E455 = 11;
inline constexpr std::uint16_t E425 = 12;
} // namespace e400_card

// The card constant of a card type in its line's table; empty outside the table.
const char* CardConstant(CardLine line, std::uint16_t cardType);

// E400 channel tables: how many AI and AO entries the writers scan for a card (0 outside the table).
std::uint16_t E400AiTableSize(std::uint16_t cardType);
std::uint16_t E400AoTableSize(std::uint16_t cardType);

// E400 cards that sample their inputs simultaneously (E420, E410, E415, E425).
bool IsE400Simultaneous(std::uint16_t cardType);
// E400 cards whose AI channel configuration carries a reference-ground mode.
bool IsE400Grounded(std::uint16_t cardType);

} // namespace doz::generators
