// The engine's device table: every device entry it knows, with its type codes and what the
// card offers. A sub-type group is one entry: the engine cannot tell its sub-types apart.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace radezuvi {

struct DeviceCaps {
    int aiChannels = 0;
    double aiMaxRate = 0; // samples per second, per card (per channel when simultaneous)
    bool simultaneous = false;
    int aoChannels = 0;
    int diPorts = 0;
    int doPorts = 0;
    int portWidth = 8;     // lines per digital port
    double dioMaxRate = 0; // samples per second of pattern tasks; 0 = no pattern tasks
    int counters = 0;
};

struct DeviceEntry {
    std::string_view name;
    std::array<int, 4> typeCodes; // head code first; unused slots are 0
    DeviceCaps caps;

    int headCode() const { return typeCodes[0]; }
    bool hasCode(int code) const;
};

inline constexpr int kVirtualDeviceType = 1;

std::span<const DeviceEntry> deviceTable();

std::optional<int> entryIndexOfName(std::string_view name);
std::optional<int> entryIndexOfType(int typeCode);
const DeviceEntry* entryOfType(int typeCode);

} // namespace radezuvi
