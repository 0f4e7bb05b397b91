#pragma once
// The value texts of the System Information dialog, made from what the system reports.

#include "common/platform/system_info.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace doz::shell {

inline constexpr std::string_view CentralProcessorKey = "Hardware\\Description\\System\\CentralProcessor\\0";

// "Intel 386", "Intel 486", "Intel Pentium", "MIPS", "Alpha", else "Unknow".
std::string ProcessorTypeText(const platform::SystemInfo& info);
// "Intel", "MIPS", "Alpha", "PPC", else "Unknow".
std::string ArchitectureText(const platform::SystemInfo& info);
// "0x" and 16 upper-case hex digits.
std::string AddressText(std::uint64_t address);
// The byte count divided by 1024, followed by " KBytes".
std::string KBytesText(std::uint64_t bytes);

// The "~MHz" value of the first processor's registry key, when it is there.
std::optional<std::uint32_t> RegistryProcessorMhz();
// The registry's clock when given, else the system's; "Unknow" when neither has one.
std::string ClockText(std::optional<std::uint32_t> registryMhz, const platform::SystemInfo& info);

// Label_ProcInfo_00 to _05: type, count, architecture, clock, lowest and highest address.
std::array<std::string, 6> ProcessorTexts(const platform::SystemInfo& info,
                                          std::optional<std::uint32_t> registryMhz);
// Label_MemInfo_00 to _04: total and available physical memory, total and available virtual
// address space, and available physical memory plus available address space.
std::array<std::string, 5> MemoryTexts(const platform::SystemInfo& info);

} // namespace doz::shell
