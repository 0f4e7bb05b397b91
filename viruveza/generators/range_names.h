#pragma once
// AD range codes: the names the driver knows them by.

#include <cstdint>

namespace doz::generators {

// The name of an AD range code (1 to 22); "" for 0 and outside the table.
const char* RangeName(std::uint16_t rangeCode);

// The classic writers take every range code above 13 as unipolar.
constexpr bool IsClassicUnipolar(std::uint16_t adRange) {
    return adRange > 13;
}

} // namespace doz::generators
