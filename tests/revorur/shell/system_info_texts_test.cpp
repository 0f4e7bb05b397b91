// The value texts of the System Information dialog.

#include "revorur/shell/system_info_texts.h"
#include "tests/support/temp_registry.h"

#include <gtest/gtest.h>

namespace doz::shell {
namespace {

constexpr std::uint64_t GiB = 1024ull * 1024 * 1024;

platform::SystemInfo processor(std::uint32_t type, std::uint16_t architecture) {
    platform::SystemInfo info;
    info.windowsProcessorType = type;
    info.windowsArchitectureCode = architecture;
    return info;
}

TEST(SystemInfoTexts, ProcessorTypesAndArchitectures) {
    const std::pair<std::uint32_t, const char*> types[] = {
        {386, "Intel 386"}, {486, "Intel 486"},      {586, "Intel Pentium"}, {4000, "MIPS"},
        {21064, "Alpha"},   {8664, "Intel Pentium"}, {0, "Unknow"},          {2200, "Unknow"}};
    for (const auto& [type, text] : types)
        EXPECT_EQ(ProcessorTypeText(processor(type, 0)), text) << type;
    const std::pair<std::uint16_t, const char*> architectures[] = {
        {0, "Intel"}, {1, "MIPS"},    {2, "Alpha"},      {3, "PPC"},
        {9, "Intel"}, {12, "Unknow"}, {0xFFFF, "Unknow"}};
    for (const auto& [code, text] : architectures)
        EXPECT_EQ(ArchitectureText(processor(0, code)), text) << code;
}

TEST(SystemInfoTexts, AddressesAreSixteenUpperCaseHexDigits) {
    EXPECT_EQ(AddressText(0x10000), "0x0000000000010000");
    EXPECT_EQ(AddressText(0x00007FFFFFFFEFFFull), "0x00007FFFFFFFEFFF");
    EXPECT_EQ(AddressText(0), "0x0000000000000000");
    EXPECT_EQ(AddressText(~0ull), "0xFFFFFFFFFFFFFFFF");
}

TEST(SystemInfoTexts, MemoryIsShownInKilobytesAndSummedInBytesFirst) {
    platform::SystemInfo info;
    info.totalPhysicalMemory = 4 * GiB;
    info.availablePhysicalMemory = 1 * GiB;
    info.totalAddressSpace = 2 * GiB;
    info.availableAddressSpace = 3 * GiB / 2;
    const auto texts = MemoryTexts(info);
    EXPECT_EQ(texts[0], "4194304 KBytes");
    EXPECT_EQ(texts[1], "1048576 KBytes");
    EXPECT_EQ(texts[2], "2097152 KBytes");
    EXPECT_EQ(texts[3], "1572864 KBytes");
    EXPECT_EQ(texts[4], "2621440 KBytes");

    // Two halves of a kilobyte make one only when summed before the division.
    info.availablePhysicalMemory = 512;
    info.availableAddressSpace = 512;
    EXPECT_EQ(MemoryTexts(info)[4], "1 KBytes");

    // A 64-bit machine: 128 TiB of address space and 48 GiB of memory do not wrap.
    info.availablePhysicalMemory = 48 * GiB;
    info.availableAddressSpace = 128 * 1024 * GiB;
    EXPECT_EQ(MemoryTexts(info)[4], std::to_string((48 + 128 * 1024) * 1024 * 1024ull) + " KBytes");
}

TEST(SystemInfoTexts, ClockFromTheRegistryElseTheSystem) {
    platform::SystemInfo info;
    info.processorMhz = 1200;
    EXPECT_EQ(ClockText(2400u, info), "2400 MHz");
    EXPECT_EQ(ClockText(std::nullopt, info), "1200 MHz");
    info.processorMhz = 0;
    EXPECT_EQ(ClockText(std::nullopt, info), "Unknow");
}

TEST(SystemInfoTexts, ProcessorLabelsInOrder) {
    platform::SystemInfo info = processor(8664, 9);
    info.processorCount = 8;
    info.processorMhz = 2394;
    info.minApplicationAddress = 0x10000;
    info.maxApplicationAddress = 0x00007FFFFFFFEFFFull;
    const std::array<std::string, 6> expected = {
        "Intel Pentium", "8", "Intel", "3000 MHz", "0x0000000000010000", "0x00007FFFFFFFEFFF"};
    EXPECT_EQ(ProcessorTexts(info, 3000u), expected);
}

using RegistryClock = test::RegistryTest;

TEST_F(RegistryClock, ReadsTheFirstProcessorsMhzValue) {
    EXPECT_EQ(RegistryProcessorMhz(), std::nullopt) << "no hive";
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0]\n"
              "\"~MHz\"=dword:00000960\n\n");
    EXPECT_EQ(RegistryProcessorMhz(), 2400u);
    writeHive("REGEDIT4\n\n[HKEY_LOCAL_MACHINE\\HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0]\n"
              "\"~MHz\"=\"2400\"\n\n");
    EXPECT_EQ(RegistryProcessorMhz(), std::nullopt) << "a text is not the number the value holds";
}

} // namespace
} // namespace doz::shell
