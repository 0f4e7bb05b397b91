// A PCI bus described by a text file, one device per line:
//   BB:DD.F VVVV:DDDD SVVV:SSSS BAR1 BAR2 [gpio=0xXXXXXXXX]
// in hex; '#' starts a comment and blank lines are ignored.
#pragma once

#include "dedozovaz/pci_access.h"

#include <array>
#include <filesystem>
#include <istream>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>
#include <vector>

namespace dedozovaz {

struct SimDevice {
    PciSlot slot;
    std::uint16_t vendor;
    std::uint16_t device;
    std::uint16_t subsystemVendor;
    std::uint16_t subsystem;
    std::uint32_t bar1; // second base address register, offset 0x14
    std::uint32_t bar2; // third base address register, offset 0x18
    std::uint32_t gpio; // general-purpose I/O register of the card's bridge
};

struct SkippedLine {
    int lineNumber;
    std::string reason;
};

struct SimBusDescription {
    std::vector<SimDevice> devices;
    std::vector<SkippedLine> skipped; // malformed lines, left out of the bus
};

SimBusDescription parseSimulatedBus(std::istream& in);

// Nothing when the file cannot be read.
std::optional<SimBusDescription> readSimulatedBus(const std::filesystem::path& file);

class SimulatedBus : public PciAccess {
public:
    // The first configuration dwords of a device; the rest of its space reads as zero.
    using ConfigHeader = std::array<std::uint32_t, 16>;

    explicit SimulatedBus(std::span<const SimDevice> devices);

    std::uint32_t readConfig(PciSlot slot, std::uint8_t offset) override;
    // The GPIO register of the device whose base it lies behind; all ones elsewhere.
    std::uint32_t readPort(std::uint32_t port) override;

private:
    std::unordered_map<std::uint16_t, ConfigHeader> headers_;
    std::unordered_map<std::uint32_t, std::uint32_t> ports_;
};

// Null when the file cannot be read; malformed lines are left out silently.
std::unique_ptr<PciAccess> openSimulatedBus(const std::filesystem::path& file);

} // namespace dedozovaz
