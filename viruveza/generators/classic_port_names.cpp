#include "viruveza/generators/classic_port_names.h"

#include "viruveza/generators/card_tables.h"
#include "viruveza/generators/name_lists.h"

#include <array>

namespace doz::generators {

namespace {

using namespace classic_card;

// The D250's four ports; the D230 and D231 have the first two.
constexpr std::array<PortName, 20> GroupPorts = {{
    {"Channel_P1A", nullptr, false},  {"Channel_P1B", nullptr, false},  {"Channel_P1C", nullptr, false},
    {"Channel_P1CL", nullptr, false}, {"Channel_P1CH", nullptr, false}, {"Channel_P2A", nullptr, false},
    {"Channel_P2B", nullptr, false},  {"Channel_P2C", nullptr, false},  {"Channel_P2CL", nullptr, false},
    {"Channel_P2CH", nullptr, false}, {"Channel_P3A", nullptr, false},  {"Channel_P3B", nullptr, false},
    {"Channel_P3C", nullptr, false},  {"Channel_P3CL", nullptr, false}, {"Channel_P3CH", nullptr, false},
    {"Channel_P4A", nullptr, false},  {"Channel_P4B", nullptr, false},  {"Channel_P4C", nullptr, false},
    {"Channel_P4CL", nullptr, false}, {"Channel_P4CH", nullptr, false},
}};

constexpr std::array<PortName, 20> D270InputPorts = {{
    {"Channel_P1A", nullptr, false},      {"Channel_P1B", nullptr, false},
    {"Channel_P1C", nullptr, false},      {"Channel_P1", nullptr, false},
    {"Channel_P1", "Channel_P1E", false}, {"Channel_P2A", nullptr, false},
    {"Channel_P2B", nullptr, false},      {"Channel_P2C", nullptr, false},
    {"Channel_P2", nullptr, false},       {"Channel_P2", "Channel_P2E", false},
    {"Channel_P3A", nullptr, false},      {"Channel_P3B", nullptr, false},
    {"Channel_P3C", nullptr, false},      {"Channel_P3", nullptr, false},
    {"Channel_P3", "Channel_P3E", false}, {"Channel_P4A", nullptr, false},
    {"Channel_P4B", nullptr, false},      {"Channel_P4C", nullptr, false},
    {"Channel_P4", nullptr, false},       {"Channel_P4", "Channel_P4E", false},
}};

// In the order of the wizard's output port list.
constexpr std::array<PortName, 16> D270OutputPorts = {{
    {"Channel_P1A", nullptr, false},
    {"Channel_P1B", nullptr, false},
    {"Channel_P1C", nullptr, false},
    {"Channel_P1", nullptr, true},
    {"Channel_P2A", nullptr, false},
    {"Channel_P2B", nullptr, false},
    {"Channel_P2C", nullptr, false},
    {"Channel_P2", nullptr, true},
    {"Channel_P3A", nullptr, false},
    {"Channel_P3B", nullptr, false},
    {"Channel_P3C", nullptr, false},
    {"Channel_P3", nullptr, true},
    {"Channel_P4A", nullptr, false},
    {"Channel_P4B", nullptr, false},
    {"Channel_P4C", nullptr, false},
    {"Channel_P4", nullptr, true},
}};

constexpr std::array<PortName, 1> AuxInput = {{{"AUXDI", nullptr, false}}};
constexpr std::array<PortName, 1> AuxOutput = {{{"AUXDO", nullptr, false}}};
constexpr std::array<PortName, 2> D281InputPorts = {
    {{"PORT_DI_LOW", nullptr, false}, {"PORT_DI_HIGH", nullptr, false}}};
constexpr std::array<PortName, 3> D282OutputPorts = {
    {{"PORT_DO_LOW", nullptr, false}, {"PORT_DO_HIGH", nullptr, false}, {"PD282R_DO_LED", nullptr, false}}};
constexpr std::array<PortName, 2> M610InputPorts = {
    {{"PM610_CHANNEL_DI", nullptr, false}, {"PM610_CHANNEL_EDI", nullptr, false}}};
constexpr std::array<PortName, 2> M610OutputPorts = {
    {{"PM610_CHANNEL_DO", nullptr, false}, {"PM610_CHANNEL_EDO", nullptr, false}}};

struct PortRow {
    std::uint16_t cardType;
    PortCard input;
    PortCard output;
};

constexpr std::span<const PortName> FirstTwoGroups = std::span(GroupPorts).first(10);

constexpr auto PortRows = std::to_array<PortRow>({
    {D230, {PortFamily::Configurable, FirstTwoGroups}, {PortFamily::Configurable, FirstTwoGroups}},
    {D231, {PortFamily::Configurable, FirstTwoGroups}, {PortFamily::Configurable, FirstTwoGroups}},
    {D250, {PortFamily::Configurable, GroupPorts}, {PortFamily::Configurable, GroupPorts}},
    {D270, {PortFamily::Configurable, D270InputPorts}, {PortFamily::Configurable, D270OutputPorts}},
    {D260A_RevB, {PortFamily::Auxiliary, AuxInput}, {PortFamily::Auxiliary, AuxOutput}},
    {D281, {PortFamily::Named, D281InputPorts}, {PortFamily::Numbered, {}}},
    {D282, {PortFamily::Numbered, {}}, {PortFamily::Named, D282OutputPorts}},
    {M610DG, {PortFamily::Named, M610InputPorts}, {PortFamily::Named, M610OutputPorts}},
    {M610HR, {PortFamily::Named, M610InputPorts}, {PortFamily::Named, M610OutputPorts}},
});

} // namespace

PortCard PortCardOf(std::uint16_t cardType, PortDirection direction) {
    if (const PortRow* card = FindCardRow(PortRows, cardType))
        return direction == PortDirection::Input ? card->input : card->output;
    return {PortFamily::Numbered, {}};
}

PortName PortAt(const PortCard& card, std::uint16_t index) {
    if (card.family == PortFamily::Auxiliary)
        return card.ports.front();
    return index < card.ports.size() ? card.ports[index] : PortName{"", nullptr, false};
}

} // namespace doz::generators
