// Strict parsing of hexadecimal fields in text files and directory names.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dedozovaz {

// The value of text made of hex digits only, if it is at most max.
std::optional<std::uint32_t> parseHex(std::string_view text, std::uint32_t max);

} // namespace dedozovaz
