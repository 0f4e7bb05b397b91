// Linux access: configuration space from sysfs, I/O ports through /dev/port.
#pragma once

#include "dedozovaz/pci_access.h"

#include <filesystem>
#include <optional>
#include <unordered_map>

namespace dedozovaz {

class SysfsAccess : public PciAccess {
public:
    // Lists the devices of PCI domain 0 under devicesDir once; slots not listed read as empty.
    SysfsAccess(const std::filesystem::path& devicesDir, std::filesystem::path portFile);
    ~SysfsAccess() override;
    SysfsAccess(const SysfsAccess&) = delete;
    SysfsAccess& operator=(const SysfsAccess&) = delete;

    std::uint32_t readConfig(PciSlot slot, std::uint8_t offset) override;
    // Zero when the port file cannot be opened or read (no permission).
    std::uint32_t readPort(std::uint32_t port) override;

private:
    // Configuration-space file of each listed slot.
    std::unordered_map<std::uint16_t, std::filesystem::path> configFiles_;
    std::filesystem::path portFile_;
    std::optional<int> portFd_; // opened on first use; -1 when it cannot be
};

} // namespace dedozovaz
