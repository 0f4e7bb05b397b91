#include "common/platform/reg_syntax.h"

#include "common/platform/utf8.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace doz::platform {
namespace {

// Escapes of quoted text: the character written after the backslash and what it stands for.
struct Escape {
    char written;
    char meaning;
};

constexpr std::array kEscapes{
    Escape{'\\', '\\'},
    Escape{'"', '"'},
    Escape{'n', '\n'},
    Escape{'r', '\r'},
};

constexpr std::string_view kDwordPrefix = "dword:";
constexpr std::size_t kDwordDigits = 8;

std::string_view trimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Reads a quoted string at the start of `text`; on success removes it from `text`.
std::optional<std::string> takeQuoted(std::string_view& text) {
    if (text.empty() || text.front() != '"')
        return std::nullopt;
    std::string result;
    for (std::size_t i = 1; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return result;
        }
        if (c == '\0')
            return std::nullopt;
        if (c != '\\') {
            result += c;
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        const auto escape =
            std::find_if(kEscapes.begin(), kEscapes.end(),
                         [written = text[i]](const Escape& e) { return e.written == written; });
        if (escape == kEscapes.end())
            return std::nullopt;
        result += escape->meaning;
    }
    return std::nullopt;
}

std::string quote(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        const auto escape =
            std::find_if(kEscapes.begin(), kEscapes.end(), [c](const Escape& e) { return e.meaning == c; });
        if (escape != kEscapes.end()) {
            result += '\\';
            result += escape->written;
        } else {
            result += c;
        }
    }
    return result + '"';
}

std::optional<std::uint32_t> parseDword(std::string_view text) {
    if (text.size() != kDwordPrefix.size() + kDwordDigits ||
        !sameName(text.substr(0, kDwordPrefix.size()), kDwordPrefix))
        return std::nullopt;
    const std::string_view digits = text.substr(kDwordPrefix.size());
    std::uint32_t value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (result.ec != std::errc() || result.ptr != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

} // namespace

bool isStorableText(std::string_view text) {
    return text.find('\0') == std::string_view::npos && isValidUtf8(text);
}

std::optional<KeyPath> parseSectionHeader(std::string_view line) {
    line = trimBlanks(line);
    if (line.size() < 2 || line.front() != '[' || line.back() != ']' || !isValidUtf8(line))
        return std::nullopt;
    return parseFullKeyName(line.substr(1, line.size() - 2));
}

std::string formatSectionHeader(const KeyPath& key) {
    return '[' + fullKeyName(key) + ']';
}

std::optional<RegValue> parseValueLine(std::string_view line) {
    line = trimBlanks(line);
    if (!isValidUtf8(line))
        return std::nullopt;
    RegValue value;
    if (!line.empty() && line.front() == '@') {
        line.remove_prefix(1);
    } else {
        auto name = takeQuoted(line);
        if (!name)
            return std::nullopt;
        value.name = std::move(*name);
    }
    line = trimBlanks(line);
    if (line.empty() || line.front() != '=')
        return std::nullopt;
    line = trimBlanks(line.substr(1));
    if (auto text = takeQuoted(line); text && line.empty()) {
        value.data = std::move(*text);
        return value;
    }
    if (const auto number = parseDword(line)) {
        value.data = *number;
        return value;
    }
    return std::nullopt;
}

std::string formatValueLine(const RegValue& value) {
    std::string line = value.name.empty() ? "@" : quote(value.name);
    line += '=';
    if (const auto* text = std::get_if<std::string>(&value.data)) {
        line += quote(*text);
    } else {
        char digits[kDwordDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x",
                      static_cast<unsigned>(std::get<std::uint32_t>(value.data)));
        line += kDwordPrefix;
        line += digits;
    }
    return line;
}

} // namespace doz::platform
