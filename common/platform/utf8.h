#pragma once

#include <cstddef>
#include <string_view>

namespace doz::platform {

// True when `text` is well-formed UTF-8 (no overlong forms, surrogates or code points past U+10FFFF).
bool isValidUtf8(std::string_view text);

// The longest prefix of `text` of at most `maxBytes` bytes that does not end inside a
// multi-byte UTF-8 sequence.
std::size_t utf8PrefixLength(std::string_view text, std::size_t maxBytes);

} // namespace doz::platform
