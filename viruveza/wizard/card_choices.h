#pragma once
// What the Code Generator page offers: the card list of each line, the operations each card
// offers in list order with the entry preselected for it, and the operation code of an entry.

#include <cstdint>
#include <span>
#include <string_view>

namespace doz::wizard {

inline constexpr int kClassicLine = 0;
inline constexpr int kE400Line = 1;

// The tree labels of the two card lines.
std::string_view lineLabel(int line);

// The "Card type:" list of a line; empty for a line that is neither.
std::span<const std::string_view> cardNames(int line);

// One entry of a card's operation list.
struct OperationChoice {
    std::string_view name;
    std::uint16_t code;
};

// The operations a card offers, in list order; empty outside the card list.
std::span<const OperationChoice> operationChoices(int line, int cardIndex);
// The position selected when the card is chosen (0 outside the card list).
int preselectedOperation(int line, int cardIndex);

} // namespace doz::wizard
