#pragma once
// The C type a classic writer declares its values and buffers with, per card and kind of data.

#include <cstdint>

namespace doz::generators {

enum class DataKind : std::uint8_t {
    SinglePointAi,
    ContinuousAi,
    AoValue,
    ContinuousAo,
    DiValue,
    ContinuousDi,
    DoValue,
    ContinuousDo,
};

// "U8", "U16", "U32", "I8", "I16" or "I32"; empty when the card has no type for that kind
// or the card type is outside the classic table.
const char* ClassicDataTypeName(std::uint16_t cardType, DataKind kind);

} // namespace doz::generators
