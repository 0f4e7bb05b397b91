#pragma once

#include <cstdint>
#include <string>

namespace doz::platform {

// What the programs' system information dialogs show, read from the running machine.
// Missing sources leave their fields empty or zero.
struct SystemInfo {
    std::string processorName; // "model name" of /proc/cpuinfo
    unsigned processorCount = 0;
    std::string processorArchitecture; // machine name, e.g. "x86_64"
    // The Windows processor type (386, 486, 586, 4000, 21064, 8664 ...) and architecture code
    // (0 Intel, 1 MIPS, 2 Alpha, 3 PPC, 9 AMD64, 12 ARM64, 0xFFFF unknown) of this machine.
    std::uint32_t windowsProcessorType = 0;
    std::uint16_t windowsArchitectureCode = 0xFFFF;
    unsigned processorMhz = 0; // "cpu MHz" of the first processor
    std::uint64_t minApplicationAddress = 0;
    std::uint64_t maxApplicationAddress = 0;

    std::uint64_t totalPhysicalMemory = 0; // bytes
    std::uint64_t availablePhysicalMemory = 0;
    std::uint64_t totalVirtualMemory = 0; // memory plus swap, as the paging file
    std::uint64_t availableVirtualMemory = 0;
    std::uint64_t totalAddressSpace = 0; // the process's virtual address space
    std::uint64_t availableAddressSpace = 0;

    std::string osName;    // uname: system name, e.g. "Linux"
    std::string osRelease; // e.g. "6.1.0-18-amd64"
    std::string osVersion; // the kernel build text
};

// The raw texts the information is made from, so it can be built from any machine's files.
struct SystemSources {
    std::string cpuinfo;     // /proc/cpuinfo
    std::string meminfo;     // /proc/meminfo
    std::string selfStatus;  // /proc/self/status
    std::string mmapMinAddr; // /proc/sys/vm/mmap_min_addr
    std::string machine;     // uname fields
    std::string osName;
    std::string osRelease;
    std::string osVersion;
    unsigned onlineProcessors = 0; // from the C library; 0 = count the entries of cpuinfo
};

SystemInfo systemInfoFrom(const SystemSources& sources);

// Never throws.
SystemInfo readSystemInfo() noexcept;

} // namespace doz::platform
