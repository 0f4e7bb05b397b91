#include "system_info_texts.h"

#include "common/platform/registry.h"

#include <algorithm>
#include <cstdio>

namespace doz::shell {
namespace {

struct CodeText {
    std::uint32_t code;
    const char* text;
};

// Windows processor types and architectures. An x86-64 processor reads as a Pentium-class
// processor of the Intel architecture, as it does for a 32-bit program on 64-bit Windows.
constexpr CodeText ProcessorTypes[] = {
    {386, "Intel 386"},      {486, "Intel 486"}, {586, "Intel Pentium"},
    {8664, "Intel Pentium"}, {4000, "MIPS"},     {21064, "Alpha"},
};
constexpr CodeText Architectures[] = {{0, "Intel"}, {1, "MIPS"}, {2, "Alpha"}, {3, "PPC"}, {9, "Intel"}};
constexpr const char* UnknownText = "Unknow";

template <std::size_t N> std::string textOf(const CodeText (&table)[N], std::uint32_t code) {
    const auto it = std::find_if(std::begin(table), std::end(table),
                                 [code](const CodeText& c) { return c.code == code; });
    return it == std::end(table) ? UnknownText : it->text;
}

} // namespace

std::string ProcessorTypeText(const platform::SystemInfo& info) {
    return textOf(ProcessorTypes, info.windowsProcessorType);
}

std::string ArchitectureText(const platform::SystemInfo& info) {
    return textOf(Architectures, info.windowsArchitectureCode);
}

std::string AddressText(std::uint64_t address) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%016llX", static_cast<unsigned long long>(address));
    return text;
}

std::string KBytesText(std::uint64_t bytes) {
    return std::to_string(bytes >> 10) + " KBytes";
}

std::optional<std::uint32_t> RegistryProcessorMhz() {
    const auto key = platform::openKey(platform::RootKey::LocalMachine, CentralProcessorKey);
    return key ? key->readDword("~MHz") : std::nullopt;
}

std::string ClockText(std::optional<std::uint32_t> registryMhz, const platform::SystemInfo& info) {
    if (registryMhz)
        return std::to_string(*registryMhz) + " MHz";
    if (info.processorMhz != 0)
        return std::to_string(info.processorMhz) + " MHz";
    return UnknownText;
}

std::array<std::string, 6> ProcessorTexts(const platform::SystemInfo& info,
                                          std::optional<std::uint32_t> registryMhz) {
    return {ProcessorTypeText(info),
            std::to_string(info.processorCount),
            ArchitectureText(info),
            ClockText(registryMhz, info),
            AddressText(info.minApplicationAddress),
            AddressText(info.maxApplicationAddress)};
}

std::array<std::string, 5> MemoryTexts(const platform::SystemInfo& info) {
    return {KBytesText(info.totalPhysicalMemory), KBytesText(info.availablePhysicalMemory),
            KBytesText(info.totalAddressSpace), KBytesText(info.availableAddressSpace),
            KBytesText(info.availablePhysicalMemory + info.availableAddressSpace)};
}

} // namespace doz::shell
