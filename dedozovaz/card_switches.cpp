#include "dedozovaz/card_switches.h"

#include <array>
#include <span>

namespace dedozovaz {
namespace {

struct SwitchLayout {
    std::uint16_t firstType;
    std::uint16_t lastType;
    // General-purpose lines from the least significant bit of the card number upwards.
    std::span<const int> lines;
};

constexpr std::array LowLines{0, 1, 2, 3};
constexpr std::array LowLinesAndLine8{0, 1, 2, 3, 8};
constexpr std::array HighLines{4, 5, 6, 7};

constexpr std::array<SwitchLayout, 3> SwitchLayouts{{
    {33, 34, LowLines},         // D240, D242
    {35, 35, LowLinesAndLine8}, // D245
    {36, 39, HighLines},        // D295, D290, D291, D292
}};

const SwitchLayout* layoutOf(std::uint16_t type) {
    for (const SwitchLayout& layout : SwitchLayouts) {
        if (type >= layout.firstType && type <= layout.lastType)
            return &layout;
    }
    return nullptr;
}

// Line k is the data bit of general-purpose line k.
unsigned lineBit(std::uint32_t gpio, int line) {
    return (gpio >> (3 * line + 2)) & 1U;
}

} // namespace

bool hasIdSwitches(std::uint16_t type) {
    return layoutOf(type) != nullptr;
}

std::uint16_t switchCardNumber(std::uint16_t type, std::uint32_t gpio) {
    const SwitchLayout* layout = layoutOf(type);
    if (layout == nullptr)
        return 0;
    unsigned number = 0;
    for (std::size_t weight = 0; weight < layout->lines.size(); ++weight)
        number |= lineBit(gpio, layout->lines[weight]) << weight;
    return static_cast<std::uint16_t>(number);
}

} // namespace dedozovaz
