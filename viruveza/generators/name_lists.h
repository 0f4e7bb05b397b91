#pragma once
// Lookups shared by the tables of the writers: a name by index, a row by card type.

#include <array>
#include <cstddef>
#include <cstdint>

namespace doz::generators {

// The name at `index`, or "" when the index lies outside the list.
template <std::size_t N>
constexpr const char* NameAt(const std::array<const char*, N>& names, std::size_t index) {
    return index < N ? names[index] : "";
}

// The row of a per-card table whose `cardType` is the given one; nullptr for other cards.
template <typename Row, std::size_t N>
constexpr const Row* FindCardRow(const std::array<Row, N>& rows, std::uint16_t cardType) {
    for (const Row& row : rows)
        if (row.cardType == cardType)
            return &row;
    return nullptr;
}

} // namespace doz::generators
