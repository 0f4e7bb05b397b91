#pragma once
// The texts of the "System Profile" dialog, made from the machine's system information.

#include "common/platform/system_info.h"

#include <string>
#include <vector>

namespace doz::frame {

struct ProfileLine {
    std::string label;
    std::string value;
};

// The dialog's lines in order: the "Processor Status" group's six, then "Memory Status"'s five.
// `clockMhz` is the processor clock (0 = unknown, shown empty).
std::vector<ProfileLine> systemProfileLines(const platform::SystemInfo& info, unsigned clockMhz);
inline constexpr std::size_t kProcessorLineCount = 6;

std::string processorTypeName(std::uint32_t type);
std::string processorArchitectureName(std::uint16_t code);
// "%7.0f KB" of bytes / 1024.
std::string kilobytes(std::uint64_t bytes);
// The clock in MHz: "~MHz" under the machine's first processor key, else the measured one.
unsigned processorClockMhz(const platform::SystemInfo& info);

} // namespace doz::frame
