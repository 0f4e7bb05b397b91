#include "device_table.h"

#include <algorithm>

namespace radezuvi {

namespace {

// Names follow the cards' bus prefix and model; capabilities follow the cards' data sheets:
// analog channels and maximum rates, digital ports (count and width) and counters.
constexpr DeviceEntry kDevices[] = {
    {"Virtual Device",
     {1},
     {.aiChannels = 4, .aiMaxRate = 100'000, .aoChannels = 2, .diPorts = 3, .doPorts = 3}},
    {"PCI-A120", {10, 20, 30}, {.aoChannels = 16}},
    {"PCI-A130", {40, 50}, {.aoChannels = 8}},
    {"PCI-D210", {60}, {.diPorts = 1, .doPorts = 1, .portWidth = 32, .dioMaxRate = 3'000'000}},
    {"PCI-D220", {80}, {.diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-D223", {90}, {.diPorts = 1, .portWidth = 32}},
    {"PCI-D224", {100}, {.doPorts = 1, .portWidth = 32}},
    {"PCI-D215", {110}, {.diPorts = 3, .doPorts = 3}},
    {"PCI-D230", {120}, {.diPorts = 6, .doPorts = 6}},
    {"cPCI-D231", {130}, {.diPorts = 6, .doPorts = 6, .counters = 3}},
    {"PCI-D235", {140}, {.diPorts = 1, .doPorts = 1}},
    {"PCI-D236", {150}, {.diPorts = 4, .doPorts = 4}},
    {"cPCI-D237", {160}, {.diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-D240", {170}, {.diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-D242", {180}, {.diPorts = 1, .doPorts = 1, .portWidth = 32}},
    {"PCI-D245", {190}, {.diPorts = 1, .doPorts = 1}},
    {"PCI-D250", {200}, {.diPorts = 12, .doPorts = 12}},
    {"PCI-D265", {210}, {.diPorts = 6, .doPorts = 6}},
    {"PCI-D270", {220}, {.diPorts = 12, .doPorts = 12}},
    {"PCI-D260A_RevA", {230}, {.diPorts = 1, .doPorts = 1, .portWidth = 32, .dioMaxRate = 20'000'000}},
    {"PCI-D260A", {240}, {.diPorts = 1, .doPorts = 1, .portWidth = 32, .dioMaxRate = 20'000'000}},
    {"PCI-D280", {250}, {.diPorts = 1, .doPorts = 1, .portWidth = 32}},
    {"PCI-D281", {260}, {.diPorts = 2, .portWidth = 32}},
    {"PCI-D282", {270}, {.doPorts = 2, .portWidth = 32}},
    {"PCI-D290", {280}, {.diPorts = 6, .doPorts = 6, .portWidth = 16}},
    {"PCI-D291", {290}, {.diPorts = 10, .doPorts = 2, .portWidth = 16}},
    {"PCI-D292", {300}, {.diPorts = 2, .doPorts = 10, .portWidth = 16}},
    {"PCI-D295", {310}, {.doPorts = 4, .portWidth = 32}},
    {"PCI-T310", {320}, {.diPorts = 1, .doPorts = 1, .counters = 12}},
    {"PCI-M610",
     {330, 340},
     {.aiChannels = 16, .aiMaxRate = 100'000, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M620",
     {350},
     {.aiChannels = 16, .aiMaxRate = 110'000, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M630", {360}, {.aiChannels = 32, .aiMaxRate = 100'000}},
    {"PCI-M640",
     {370, 380, 390, 400},
     {.aiChannels = 32, .aiMaxRate = 250'000, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M650",
     {410},
     {.aiChannels = 64, .aiMaxRate = 250'000, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M660",
     {420, 430, 440},
     {.aiChannels = 16, .aiMaxRate = 333'000, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M670",
     {450},
     {.aiChannels = 16, .aiMaxRate = 250'000, .diPorts = 1, .doPorts = 1, .portWidth = 16, .counters = 2}},
    {"PCI-S720", {470, 460, 480}, {.aiChannels = 1, .aiMaxRate = 20'000'000, .simultaneous = true}},
    {"PCI-A110", {500}, {.aoChannels = 4, .diPorts = 1, .doPorts = 1, .portWidth = 16}},
    {"PCI-M680", {501}, {.aiChannels = 4, .aiMaxRate = 30'000, .diPorts = 1, .doPorts = 1}},
    {"PCI-S730", {1000}, {.aiChannels = 2, .aiMaxRate = 60'000'000, .simultaneous = true}},
    {"DAQ-E410",
     {1510},
     {.aiChannels = 4,
      .aiMaxRate = 500'000,
      .simultaneous = true,
      .aoChannels = 2,
      .diPorts = 3,
      .doPorts = 3}},
    {"DAQ-E415",
     {1520},
     {.aiChannels = 4,
      .aiMaxRate = 250'000,
      .simultaneous = true,
      .aoChannels = 2,
      .diPorts = 3,
      .doPorts = 3}},
    {"DAQ-E420",
     {1530},
     {.aiChannels = 4,
      .aiMaxRate = 2'000'000,
      .simultaneous = true,
      .aoChannels = 2,
      .diPorts = 3,
      .doPorts = 3}},
    {"DAQ-E425",
     {1540},
     {.aiChannels = 4,
      .aiMaxRate = 800'000,
      .simultaneous = true,
      .aoChannels = 2,
      .diPorts = 3,
      .doPorts = 3}},
    {"DAQ-E430",
     {1550},
     {.aiChannels = 64, .aiMaxRate = 3'000'000, .aoChannels = 2, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E435",
     {1560},
     {.aiChannels = 64, .aiMaxRate = 500'000, .aoChannels = 2, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E440",
     {1570},
     {.aiChannels = 64, .aiMaxRate = 250'000, .aoChannels = 2, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E445", {1580}, {.aiChannels = 96, .aiMaxRate = 3'000'000, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E450", {1590}, {.aiChannels = 16, .aiMaxRate = 250'000, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E455",
     {1600},
     {.aiChannels = 16, .aiMaxRate = 250'000, .aoChannels = 2, .diPorts = 3, .doPorts = 3}},
    {"DAQ-E460",
     {1610},
     {.aiChannels = 8,
      .aiMaxRate = 400'000,
      .simultaneous = true,
      .aoChannels = 8,
      .diPorts = 3,
      .doPorts = 3}},
    {"DAQ-E465",
     {1620},
     {.aiChannels = 4,
      .aiMaxRate = 400'000,
      .simultaneous = true,
      .aoChannels = 4,
      .diPorts = 3,
      .doPorts = 3}},
};

} // namespace

bool DeviceEntry::hasCode(int code) const {
    return code != 0 && std::find(typeCodes.begin(), typeCodes.end(), code) != typeCodes.end();
}

std::span<const DeviceEntry> deviceTable() {
    return kDevices;
}

std::optional<int> entryIndexOfName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kDevices); ++i) {
        if (kDevices[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> entryIndexOfType(int typeCode) {
    for (std::size_t i = 0; i < std::size(kDevices); ++i) {
        if (kDevices[i].hasCode(typeCode)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

const DeviceEntry* entryOfType(int typeCode) {
    const auto index = entryIndexOfType(typeCode);
    return index ? &kDevices[*index] : nullptr;
}

} // namespace radezuvi
