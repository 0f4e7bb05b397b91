#include "dedozovaz/sysfs_access.h"

#include "dedozovaz/hex_text.h"

#include <array>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

namespace dedozovaz {
namespace {

// The slot of a device directory named "DDDD:BB:DD.F", if it lies in domain 0.
std::optional<PciSlot> domainZeroSlot(std::string_view name) {
    const std::size_t busAt = name.find(':');
    const std::size_t deviceAt = name.find(':', busAt + 1);
    const std::size_t functionAt = name.find('.', deviceAt + 1);
    if (busAt == std::string_view::npos || deviceAt == std::string_view::npos ||
        functionAt == std::string_view::npos)
        return std::nullopt;
    const auto domain = parseHex(name.substr(0, busAt), 0xFFFFFFFF);
    const auto bus = parseHex(name.substr(busAt + 1, deviceAt - busAt - 1), 0xFF);
    const auto device = parseHex(name.substr(deviceAt + 1, functionAt - deviceAt - 1), 0x1F);
    const auto function = parseHex(name.substr(functionAt + 1), 0x07);
    if (domain != 0u || !bus || !device || !function)
        return std::nullopt;
    return PciSlot{static_cast<std::uint8_t>(*bus), static_cast<std::uint8_t>(*device),
                   static_cast<std::uint8_t>(*function)};
}

std::uint32_t le32(const unsigned char* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// Reads up to size bytes at offset; bytes that cannot be read are left as they were.
void readAt(const std::filesystem::path& file, unsigned char* into, std::size_t size, off_t offset) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, into + done, size - done, offset + static_cast<off_t>(done));
        if (got <= 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
}

} // namespace

SysfsAccess::SysfsAccess(const std::filesystem::path& devicesDir, std::filesystem::path portFile)
    : portFile_(std::move(portFile)) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(devicesDir, error), end; !error && entry != end;
         entry.increment(error)) {
        if (const auto slot = domainZeroSlot(entry->path().filename().native()))
            configFiles_.emplace(slot->key(), entry->path() / "config");
    }
}

SysfsAccess::~SysfsAccess() {
    if (portFd_ && *portFd_ >= 0)
        ::close(*portFd_);
}

std::uint32_t SysfsAccess::readConfig(PciSlot slot, std::uint8_t offset) {
    const auto found = configFiles_.find(slot.key());
    if (found == configFiles_.end())
        return NoDevice;
    // Each dword read from the file is a configuration cycle, so only the one asked for is read.
    std::array<unsigned char, 4> bytes{0xFF, 0xFF, 0xFF, 0xFF};
    readAt(found->second, bytes.data(), bytes.size(), static_cast<off_t>(offset & 0xFCU));
    return le32(bytes.data());
}

// /dev/port reads the four bytes one port after the other.
std::uint32_t SysfsAccess::readPort(std::uint32_t port) {
    if (!portFd_)
        portFd_ = ::open(portFile_.c_str(), O_RDONLY | O_CLOEXEC);
    std::array<unsigned char, 4> bytes{};
    if (*portFd_ < 0 || ::pread(*portFd_, bytes.data(), bytes.size(), static_cast<off_t>(port)) != 4)
        return 0;
    return le32(bytes.data());
}

std::unique_ptr<PciAccess> openPlatformAccess() {
    return std::make_unique<SysfsAccess>("/sys/bus/pci/devices", "/dev/port");
}

} // namespace dedozovaz
