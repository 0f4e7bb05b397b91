#include "viruveza/wizard/wizard_routes.h"

#include "viruveza/wizard/card_choices.h"

#include <array>

namespace doz::wizard {

namespace {

constexpr std::array<PageSlot, kPageCount> kSlots = {{
    {"CWizDataSrc", "Code Generator"},
    {"CWizCardCfg", "AI Polling/ContOP Configuration"},
    {"CWizAOConfig", "AO Configuration"},
    {"CWizDIOConfig", "DIO/CTR Configuration"},
    {"CWizR4aCardCfg", "DAQ-E400 Continuous AI/AO configuration"},
    {"CWizR4aAO", "Property Page"},
    {"CWizWaveformConfig", "DAQ-E465 Waveform"},
}};

inline constexpr int kAnyCard = -1;
inline constexpr int kE465Index = 11;

struct Route {
    int line;
    std::uint16_t operation;
    int cardIndex; // kAnyCard for every card
    int page;
};

// Rows are tried in order; a card-specific row goes before the general row of its operation.
constexpr std::array<Route, 10> kRoutes = {{
    {kClassicLine, 1, kAnyCard, kAoConfigPage},
    {kClassicLine, 2, kAnyCard, kDioConfigPage},
    {kClassicLine, 3, kAnyCard, kDioConfigPage},
    {kClassicLine, 8, kAnyCard, kDioConfigPage},
    {kClassicLine, 9, kAnyCard, kDioConfigPage},
    {kE400Line, 2, kAnyCard, kR4aAoPage},
    {kE400Line, 3, kE465Index, kWaveformPage},
    {kE400Line, 4, kAnyCard, kDioConfigPage},
    {kE400Line, 5, kAnyCard, kDioConfigPage},
    {kE400Line, 6, kAnyCard, kDioConfigPage},
}};

// Every other operation of a line goes to its analog input page.
constexpr std::array<int, 2> kLineDefaults = {kCardCfgPage, kR4aCardCfgPage};

} // namespace

std::span<const PageSlot> pageSlots() {
    return kSlots;
}

std::optional<int> parameterPageFor(int line, std::uint16_t operation, int cardIndex) {
    if (line != kClassicLine && line != kE400Line)
        return std::nullopt;
    for (const Route& route : kRoutes)
        if (route.line == line && route.operation == operation &&
            (route.cardIndex == kAnyCard || route.cardIndex == cardIndex))
            return route.page;
    return kLineDefaults[static_cast<std::size_t>(line)];
}

} // namespace doz::wizard
