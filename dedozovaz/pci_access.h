// The two hardware operations a scan needs, and the choice of back-end that provides them.
#pragma once

#include <cstdint>
#include <memory>

namespace dedozovaz {

// What a configuration read of an empty slot, or a failed one, returns.
inline constexpr std::uint32_t NoDevice = 0xFFFFFFFF;

struct PciSlot {
    std::uint8_t bus;
    std::uint8_t device;   // 0 to 31
    std::uint8_t function; // 0 to 7

    constexpr std::uint16_t key() const {
        return static_cast<std::uint16_t>(bus << 8 | (device & 0x1F) << 3 | (function & 0x07));
    }
};

class PciAccess {
public:
    virtual ~PciAccess() = default;
    // A dword of the slot's configuration space; NoDevice when the slot is empty.
    virtual std::uint32_t readConfig(PciSlot slot, std::uint8_t offset) = 0;
    virtual std::uint32_t readPort(std::uint32_t port) = 0;
};

// Environment variable naming a simulated-bus file; when set it replaces the machine's bus.
inline constexpr const char* SimulatedBusVariable = "DEDOZOVAZ_PCI_SIM";

// Access for one scan: the simulated bus when DEDOZOVAZ_PCI_SIM is set, else the platform's.
// Null when no access can be had (the driver cannot be opened, the bus file cannot be read).
std::unique_ptr<PciAccess> openPciAccess();

// The platform's own access (sysfs on Linux, the digital I/O driver on Windows).
std::unique_ptr<PciAccess> openPlatformAccess();

} // namespace dedozovaz
