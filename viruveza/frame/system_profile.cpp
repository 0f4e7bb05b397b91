#include "viruveza/frame/system_profile.h"

#include "common/platform/registry.h"

#include <array>
#include <cinttypes>
#include <cstdio>

namespace doz::frame {

namespace {

struct Named {
    std::uint32_t code;
    const char* name;
};

constexpr std::array<Named, 5> kProcessorTypes = {{
    {386, "Intel 386"},
    {486, "Intel 486"},
    {586, "Intel Pentium"},
    {4000, "MIPS"},
    {21064, "Alpha"},
}};

constexpr std::array<Named, 4> kArchitectures = {{{0, "Pentium"}, {1, "MIPS"}, {2, "Alpha"}, {3, "PPC"}}};

template <std::size_t N> std::string lookUp(const std::array<Named, N>& table, std::uint32_t code) {
    for (const Named& entry : table)
        if (entry.code == code)
            return entry.name;
    return "Unknown";
}

std::string address(std::uint64_t value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "0x%016" PRIX64, value);
    return buffer;
}

} // namespace

std::string processorTypeName(std::uint32_t type) {
    return lookUp(kProcessorTypes, type);
}

std::string processorArchitectureName(std::uint16_t code) {
    return lookUp(kArchitectures, code);
}

std::string kilobytes(std::uint64_t bytes) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%7.0f KB", static_cast<double>(bytes) / 1024.0);
    return buffer;
}

unsigned processorClockMhz(const platform::SystemInfo& info) {
    if (const auto key = platform::openKey(platform::RootKey::LocalMachine,
                                           "Hardware\\Description\\System\\CentralProcessor\\0"))
        if (const auto mhz = key->readDword("~MHz"))
            return *mhz;
    return info.processorMhz;
}

std::vector<ProfileLine> systemProfileLines(const platform::SystemInfo& info, unsigned clockMhz) {
    return {
        {"Processor :", processorTypeName(info.windowsProcessorType)},
        {"Number of processor :", std::to_string(info.processorCount)},
        {"Processor architecture :", processorArchitectureName(info.windowsArchitectureCode)},
        {"Processor clock :", clockMhz == 0 ? std::string() : std::to_string(clockMhz) + " MHz"},
        {"Min. process address :", address(info.minApplicationAddress)},
        {"Max. process address :", address(info.maxApplicationAddress)},
        {"Total physical memory :", kilobytes(info.totalPhysicalMemory)},
        {"Avaliable physical memory :", kilobytes(info.availablePhysicalMemory)},
        {"Total virtual memory :", kilobytes(info.totalVirtualMemory)},
        {"Avaliable virtual memory :", kilobytes(info.availableVirtualMemory)},
        {"Total avaliable memory :", kilobytes(info.availablePhysicalMemory + info.availableVirtualMemory)},
    };
}

} // namespace doz::frame
