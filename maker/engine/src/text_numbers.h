// Whole-text number parsing for the engine's text formats.
#pragma once

#include <optional>
#include <string_view>

namespace radezuvi {

// A decimal or 0x-hexadecimal integer, optionally signed, filling the whole text.
std::optional<long long> parseInteger(std::string_view text);

// A finite decimal number filling the whole text.
std::optional<double> parseNumber(std::string_view text);

} // namespace radezuvi
