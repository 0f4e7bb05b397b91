#pragma once

#include "common/platform/reg_path.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace doz::platform {

// The lines of a REGEDIT4 hive:
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Dozazar]     section header
//   "Name"="text with \\ and \" escaped"      string value ("@" names the default value)
//   "Count"=dword:0000000a                     32-bit value, always eight hex digits
// Line breaks inside a string are written as \n and \r so every value stays on one line.
using RegData = std::variant<std::string, std::uint32_t>;

struct RegValue {
    std::string name;
    RegData data;
};

// Text that a string value or a value name can hold: UTF-8 without NUL.
bool isStorableText(std::string_view text);

// Nullopt when the line is not a well-formed header of a known root.
std::optional<KeyPath> parseSectionHeader(std::string_view line);
std::string formatSectionHeader(const KeyPath& key);

// Nullopt when the line is not a well-formed value line.
std::optional<RegValue> parseValueLine(std::string_view line);
std::string formatValueLine(const RegValue& value);

} // namespace doz::platform
