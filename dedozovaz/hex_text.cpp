#include "dedozovaz/hex_text.h"

#include <charconv>

namespace dedozovaz {

std::optional<std::uint32_t> parseHex(std::string_view text, std::uint32_t max) {
    std::uint32_t value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, 16);
    if (text.empty() || error != std::errc{} || stop != end || value > max)
        return std::nullopt;
    return value;
}

} // namespace dedozovaz
