// Model names by family and type index, as reported in the device records.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace dedozovaz {

inline constexpr std::uint16_t FamilyCount = 3;

// The name table of a family; index 0 is a placeholder no card is given.
std::span<const std::string_view> nameTable(std::uint16_t family);

} // namespace dedozovaz
