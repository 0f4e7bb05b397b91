#pragma once

#include "common/platform/utf8.h"

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace doz::platform {

// Copies `src` into the fixed array `dst`, keeping at most N-1 bytes without splitting a UTF-8
// sequence, terminating it and clearing the rest (records of C layout stay deterministic).
// Text after an embedded NUL cannot be held and counts as cut off. Returns true when cut.
template <std::size_t N> bool copyTruncated(char (&dst)[N], std::string_view src) {
    static_assert(N >= 1, "a fixed text field needs room for its terminator");
    const std::string_view text = src.substr(0, src.find('\0'));
    const std::size_t length = utf8PrefixLength(text, N - 1);
    std::memcpy(dst, text.data(), length);
    std::memset(dst + length, 0, N - length);
    return length < src.size();
}

// A text field of fixed size N (N-1 usable bytes), as the programs keep paths and names.
template <std::size_t N> class FixedText {
public:
    static constexpr std::size_t capacity = N - 1;

    FixedText() = default;
    FixedText(std::string_view text) { assign(text); }
    FixedText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }

    void assign(std::string_view text) { truncated_ = copyTruncated(text_, text); }

    std::string_view view() const { return {text_, size()}; }
    std::string str() const { return std::string(view()); }
    const char* c_str() const { return text_; }
    std::size_t size() const { return std::strlen(text_); }
    bool empty() const { return text_[0] == '\0'; }
    // Whether the last assignment had to cut the text.
    bool truncated() const { return truncated_; }

    friend bool operator==(const FixedText& a, std::string_view b) { return a.view() == b; }

private:
    char text_[N] = {};
    bool truncated_ = false;
};

using PathField = FixedText<128>;
using TaskFileField = FixedText<32>;

} // namespace doz::platform
