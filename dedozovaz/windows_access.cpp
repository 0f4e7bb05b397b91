// Windows access through the maker's digital I/O driver.
#include "dedozovaz/config_address.h"
#include "dedozovaz/pci_access.h"

#include <intrin.h>
#include <windows.h>

namespace dedozovaz {
namespace {

constexpr DWORD ReadPortRequest = 0x223400;  // device type 0x22, function 0xD00, buffered
constexpr DWORD WritePortRequest = 0x223404; // device type 0x22, function 0xD01, buffered

// In and out buffer of both driver requests.
struct PortRequest {
    std::uint32_t zero;
    std::uint32_t port;
    std::uint16_t zero2;
    std::uint16_t accessSize;
    std::uint32_t value; // to write; on return of a read, the value read
};
static_assert(sizeof(PortRequest) == 16);

class DriverHandle {
public:
    explicit DriverHandle(HANDLE handle) : handle_(handle) {}
    ~DriverHandle() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    DriverHandle(const DriverHandle&) = delete;
    DriverHandle& operator=(const DriverHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

// 64-bit Windows: the driver performs every port access.
class DriverRequestAccess : public PciAccess {
public:
    explicit DriverRequestAccess(HANDLE driver) : driver_(driver) {}

    std::uint32_t readConfig(PciSlot slot, std::uint8_t offset) override {
        std::uint32_t value = configAddress(slot, offset);
        if (!request(WritePortRequest, ConfigAddressPort, value) ||
            !request(ReadPortRequest, ConfigDataPort, value))
            return NoDevice;
        return value;
    }

    std::uint32_t readPort(std::uint32_t port) override {
        std::uint32_t value = 0;
        return request(ReadPortRequest, port, value) ? value : 0;
    }

private:
    bool request(DWORD code, std::uint32_t port, std::uint32_t& value) {
        PortRequest buffer{0, port, 0, 4, value};
        DWORD returned = 0;
        if (!DeviceIoControl(driver_.get(), code, &buffer, sizeof buffer, &buffer, sizeof buffer, &returned,
                             nullptr))
            return false;
        value = buffer.value;
        return true;
    }

    DriverHandle driver_;
};

// 32-bit Windows: the process does its own port input and output, which the opened driver permits.
class DirectPortAccess : public PciAccess {
public:
    explicit DirectPortAccess(HANDLE driver) : driver_(driver) {}

    std::uint32_t readConfig(PciSlot slot, std::uint8_t offset) override {
        __outdword(ConfigAddressPort, configAddress(slot, offset));
        return __indword(ConfigDataPort);
    }

    std::uint32_t readPort(std::uint32_t port) override {
        return __indword(static_cast<unsigned short>(port));
    }

private:
    DriverHandle driver_;
};

bool isNtPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// A 32-bit process on 64-bit Windows; looked up at run time since old systems lack the call.
bool runsUnderWow64() {
    using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
    const HMODULE kernel = GetModuleHandleA("kernel32");
    if (kernel == nullptr)
        return false;
    const auto isWow64Process =
        reinterpret_cast<IsWow64ProcessFn>(reinterpret_cast<void*>(GetProcAddress(kernel, "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64Process != nullptr && isWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

} // namespace

std::unique_ptr<PciAccess> openPlatformAccess() {
    if (!isNtPlatform())
        return std::make_unique<DirectPortAccess>(INVALID_HANDLE_VALUE);
    const bool wow64 = runsUnderWow64();
    const HANDLE driver = CreateFileA(wow64 ? "\\\\.\\vevadi64" : "\\\\.\\dio", GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (driver == INVALID_HANDLE_VALUE)
        return nullptr;
    // A 64-bit process runs on 64-bit Windows as surely as a WOW64 one, and may not touch ports itself.
    constexpr bool sixtyFourBitProcess = sizeof(void*) == 8;
    if (wow64 || sixtyFourBitProcess)
        return std::make_unique<DriverRequestAccess>(driver);
    return std::make_unique<DirectPortAccess>(driver);
}

} // namespace dedozovaz
