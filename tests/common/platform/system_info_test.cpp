#include "common/platform/system_info.h"

#include <gtest/gtest.h>

namespace doz::platform {
namespace {

constexpr std::uint64_t KiB = 1024;

SystemSources twoProcessorMachine() {
    SystemSources sources;
    sources.cpuinfo = "processor\t: 0\nvendor_id\t: GenuineIntel\n"
                      "model name\t: Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz\ncpu MHz\t\t: 2394.454\n\n"
                      "processor\t: 1\nmodel name\t: Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz\n"
                      "cpu MHz\t\t: 1200.000\n";
    sources.meminfo =
        "MemTotal:       16318412 kB\nMemFree:         1000000 kB\n"
        "MemAvailable:    8000000 kB\nSwapTotal:       2097148 kB\nSwapFree:        1048576 kB\n";
    sources.selfStatus = "Name:\tRevorur\nVmSize:\t  262144 kB\n";
    sources.mmapMinAddr = "65536\n";
    sources.machine = "x86_64";
    sources.osName = "Linux";
    sources.osRelease = "6.1.0-18-amd64";
    return sources;
}

TEST(SystemInfo, ProcessorFromCpuinfo) {
    const SystemInfo info = systemInfoFrom(twoProcessorMachine());
    EXPECT_EQ(info.processorName, "Intel(R) Xeon(R) CPU E5-2680 v4 @ 2.40GHz");
    EXPECT_EQ(info.processorCount, 2u);
    EXPECT_EQ(info.processorMhz, 2394u);
    EXPECT_EQ(info.processorArchitecture, "x86_64");
    EXPECT_EQ(info.windowsProcessorType, 8664u);
    EXPECT_EQ(info.windowsArchitectureCode, 9u);
    EXPECT_EQ(info.minApplicationAddress, 0x10000u);
    EXPECT_EQ(info.osName, "Linux");
    EXPECT_EQ(info.osRelease, "6.1.0-18-amd64");
}

TEST(SystemInfo, MemoryInBytes) {
    const SystemInfo info = systemInfoFrom(twoProcessorMachine());
    EXPECT_EQ(info.totalPhysicalMemory, 16318412 * KiB);
    EXPECT_EQ(info.availablePhysicalMemory, 8000000 * KiB);
    EXPECT_EQ(info.totalVirtualMemory, (16318412 + 2097148) * KiB);
    EXPECT_EQ(info.availableVirtualMemory, (8000000 + 1048576) * KiB);
    EXPECT_EQ(info.totalAddressSpace, info.maxApplicationAddress - info.minApplicationAddress + 1);
    EXPECT_EQ(info.availableAddressSpace, info.totalAddressSpace - 262144 * KiB);
}

TEST(SystemInfo, OtherMachinesAndOlderKernels) {
    SystemSources sources = twoProcessorMachine();
    sources.machine = "i686";
    sources.onlineProcessors = 4;
    sources.meminfo = "MemTotal: 1000 kB\nMemFree: 300 kB\n";
    SystemInfo info = systemInfoFrom(sources);
    EXPECT_EQ(info.windowsProcessorType, 586u);
    EXPECT_EQ(info.windowsArchitectureCode, 0u);
    EXPECT_EQ(info.processorCount, 4u);
    EXPECT_EQ(info.availablePhysicalMemory, 300 * KiB);

    sources.machine = "riscv64";
    info = systemInfoFrom(sources);
    EXPECT_EQ(info.windowsArchitectureCode, 0xFFFFu);
    EXPECT_EQ(info.windowsProcessorType, 0u);
}

TEST(SystemInfo, NothingToReadGivesEmptyValues) {
    const SystemInfo info = systemInfoFrom(SystemSources{});
    EXPECT_EQ(info.processorName, "");
    EXPECT_EQ(info.processorCount, 0u);
    EXPECT_EQ(info.totalPhysicalMemory, 0u);
    EXPECT_EQ(info.availableVirtualMemory, 0u);
}

TEST(SystemInfo, ThisMachine) {
    const SystemInfo info = readSystemInfo();
    EXPECT_GE(info.processorCount, 1u);
    EXPECT_GT(info.totalPhysicalMemory, 0u);
    EXPECT_LE(info.availablePhysicalMemory, info.totalPhysicalMemory);
    EXPECT_EQ(info.osName, "Linux");
}

} // namespace
} // namespace doz::platform
