#include "dedozovaz/name_tables.h"

#include <array>

namespace dedozovaz {
namespace {

constexpr std::array<std::string_view, 43> ClassicNames{
    "PCI-xxxx", "PCI-A120", "PCI-A120", "PCI-A130", "PCI-A130", "PCI-D210", "PCI-D220", "PCI-D223",
    "PCI-D224", "PCI-D230", "PCI-D231", "PCI-D235", "PCI-D237", "PCI-D250", "PCI-D260", "PCI-D260",
    "PCI-D280", "PCI-D281", "PCI-D282", "PCI-T310", "PCI-M610", "PCI-M610", "PCI-M620", "PCI-M630",
    "PCI-M640", "PCI-M640", "PCI-M660", "PCI-M660", "PCI-M660", "PCI-S710", "PCI-S720", "PCI-D270",
    "PCI-M650", "PCI-D240", "PCI-D242", "PCI-D245", "PCI-D295", "PCI-D290", "PCI-D291", "PCI-D292",
    "PCI-M670", "PCI-M680", "PCI-A110",
};

constexpr std::array<std::string_view, 13> E400Names{
    "DAQ-xxxx", "DAQ-E420", "DAQ-E435", "DAQ-E440", "DAQ-E410", "DAQ-E430", "DAQ-E415",
    "DAQ-E460", "DAQ-E465", "DAQ-E445", "DAQ-E450", "DAQ-E455", "DAQ-E425",
};

constexpr std::array<std::string_view, 2> DigitizerNames{"PCI-xxxx", "PCI-S730"};

constexpr std::array<std::span<const std::string_view>, FamilyCount> NameTables{ClassicNames, E400Names,
                                                                                DigitizerNames};

} // namespace

std::span<const std::string_view> nameTable(std::uint16_t family) {
    return NameTables.at(family);
}

} // namespace dedozovaz
