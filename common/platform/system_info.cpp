#include "common/platform/system_info.h"

#include "common/platform/file_io.h"
#include "common/platform/number_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string_view>
#include <sys/utsname.h>
#include <unistd.h>

namespace doz::platform {
namespace {

// How a machine name of uname reads in Windows terms, and the highest address a process may use.
struct Architecture {
    std::string_view machine;
    std::uint32_t windowsProcessorType;
    std::uint16_t windowsArchitectureCode;
    std::uint64_t maxApplicationAddress;
};

constexpr std::array kArchitectures{
    Architecture{"x86_64", 8664, 9, 0x00007FFFFFFFEFFF},
    Architecture{"i386", 386, 0, 0xBFFFFFFF},
    Architecture{"i486", 486, 0, 0xBFFFFFFF},
    Architecture{"i586", 586, 0, 0xBFFFFFFF},
    Architecture{"i686", 586, 0, 0xBFFFFFFF},
    Architecture{"aarch64", 0, 12, 0x0000FFFFFFFFEFFF},
    Architecture{"mips", 4000, 1, 0x7FFFFFFF},
    Architecture{"mips64", 4000, 1, 0x000000FFFFFFEFFF},
    Architecture{"alpha", 21064, 2, 0x000003FFFFFFFFFF},
    Architecture{"ppc", 0, 3, 0x7FFFFFFF},
    Architecture{"ppc64", 0, 3, 0x00003FFFFFFFFFFF},
    Architecture{"ppc64le", 0, 3, 0x00003FFFFFFFFFFF},
};

constexpr std::uint64_t kKilobyte = 1024;

// Calls `visit(name, value)` for every "name : value" line (blanks around the colon are
// allowed) until it returns true.
template <typename Visit> void scanFields(std::string_view text, Visit visit) {
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            continue;
        std::string_view name = line.substr(0, colon);
        name = name.substr(0, name.find_last_not_of(" \t") + 1);
        std::string_view value = line.substr(colon + 1);
        value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
        if (visit(name, value))
            return;
    }
}

std::optional<std::string_view> field(std::string_view text, std::string_view key) {
    std::optional<std::string_view> found;
    scanFields(text, [&](std::string_view name, std::string_view value) {
        if (name == key)
            found = value;
        return found.has_value();
    });
    return found;
}

std::uint64_t number(std::optional<std::string_view> text) {
    return text ? static_cast<std::uint64_t>(std::max(0L, leadingInteger(*text))) : 0;
}

// meminfo gives kilobytes.
std::uint64_t kilobytes(std::string_view text, std::string_view key) {
    return number(field(text, key)) * kKilobyte;
}

unsigned countProcessors(std::string_view cpuinfo) {
    unsigned count = 0;
    scanFields(cpuinfo, [&](std::string_view name, std::string_view) {
        count += name == "processor" ? 1 : 0;
        return false;
    });
    return count;
}

void fillProcessor(SystemInfo& info, const SystemSources& sources) {
    info.processorName = std::string(field(sources.cpuinfo, "model name").value_or(""));
    info.processorCount =
        sources.onlineProcessors != 0 ? sources.onlineProcessors : countProcessors(sources.cpuinfo);
    info.processorMhz = static_cast<unsigned>(
        std::lround(std::max(0.0, leadingDecimal(field(sources.cpuinfo, "cpu MHz").value_or("")))));
    info.processorArchitecture = sources.machine;
    const auto known = std::find_if(kArchitectures.begin(), kArchitectures.end(),
                                    [&](const Architecture& a) { return a.machine == sources.machine; });
    if (known == kArchitectures.end())
        return;
    info.windowsProcessorType = known->windowsProcessorType;
    info.windowsArchitectureCode = known->windowsArchitectureCode;
    info.minApplicationAddress = number(sources.mmapMinAddr);
    info.maxApplicationAddress = known->maxApplicationAddress;
    if (info.maxApplicationAddress > info.minApplicationAddress) {
        info.totalAddressSpace = info.maxApplicationAddress - info.minApplicationAddress + 1;
        const std::uint64_t used = kilobytes(sources.selfStatus, "VmSize");
        info.availableAddressSpace = used < info.totalAddressSpace ? info.totalAddressSpace - used : 0;
    }
}

void fillMemory(SystemInfo& info, const SystemSources& sources) {
    const std::string_view meminfo = sources.meminfo;
    info.totalPhysicalMemory = kilobytes(meminfo, "MemTotal");
    // Kernels before 3.14 have no MemAvailable.
    info.availablePhysicalMemory =
        field(meminfo, "MemAvailable") ? kilobytes(meminfo, "MemAvailable") : kilobytes(meminfo, "MemFree");
    info.totalVirtualMemory = info.totalPhysicalMemory + kilobytes(meminfo, "SwapTotal");
    info.availableVirtualMemory = info.availablePhysicalMemory + kilobytes(meminfo, "SwapFree");
}

std::string readText(const char* file) {
    return readWholeFile(file).value_or(std::string());
}

} // namespace

SystemInfo systemInfoFrom(const SystemSources& sources) {
    SystemInfo info;
    fillProcessor(info, sources);
    fillMemory(info, sources);
    info.osName = sources.osName;
    info.osRelease = sources.osRelease;
    info.osVersion = sources.osVersion;
    return info;
}

SystemInfo readSystemInfo() noexcept {
    try {
        SystemSources sources;
        sources.cpuinfo = readText("/proc/cpuinfo");
        sources.meminfo = readText("/proc/meminfo");
        sources.selfStatus = readText("/proc/self/status");
        sources.mmapMinAddr = readText("/proc/sys/vm/mmap_min_addr");
        if (utsname names{}; ::uname(&names) == 0) {
            sources.machine = names.machine;
            sources.osName = names.sysname;
            sources.osRelease = names.release;
            sources.osVersion = names.version;
        }
        const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
        sources.onlineProcessors = online > 0 ? static_cast<unsigned>(online) : 0;
        return systemInfoFrom(sources);
    } catch (...) {
        return {};
    }
}

} // namespace doz::platform
