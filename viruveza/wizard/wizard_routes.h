#pragma once
// The pages of the wizard sheet and the one routing table from card line, operation and card
// to the parameter page that fills the record. The sheet follows it on Next, and the frame
// uses it to pick the record of the finished page, so the two can never disagree.

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace doz::wizard {

// Positions of the pages in the sheet, in their fixed order.
enum PageIndex : int {
    kDataSrcPage = 0,
    kCardCfgPage = 1,
    kAoConfigPage = 2,
    kDioConfigPage = 3,
    kR4aCardCfgPage = 4,
    kR4aAoPage = 5,
    kWaveformPage = 6,
};
inline constexpr int kPageCount = 7;

struct PageSlot {
    std::string_view className; // the page that belongs in this position
    std::string_view title;     // its dialog title
};

// The seven slots in sheet order.
std::span<const PageSlot> pageSlots();

// The parameter page for a line, an operation code and a card type index; nullopt for a line
// that is neither the classic nor the E400 line.
std::optional<int> parameterPageFor(int line, std::uint16_t operation, int cardIndex);

} // namespace doz::wizard
