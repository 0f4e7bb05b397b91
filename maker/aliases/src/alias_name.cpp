#include "alias_name.h"

#include "common/platform/utf8.h"
#include "radezuvivarirare.h"

#include <algorithm>
#include <clocale>
#include <cwctype>
#include <locale.h>
#include <span>

namespace radezuvivarirare {
namespace {

struct CodeRange {
    char32_t first;
    char32_t last;
};

// Characters no alias may hold: controls, those that end a line or mean something in the store
// file (section brackets, the key separator, comment marks), and the invisible byte order mark.
constexpr CodeRange kRefused[] = {
    {0x00, 0x1F}, {'#', '#'},   {';', ';'},       {'=', '='},       {'[', '['},
    {']', ']'},   {0x7F, 0x9F}, {0x2028, 0x2029}, {0xFEFF, 0xFEFF},
};

// The blanks an alias may hold inside but neither begin nor end with.
constexpr CodeRange kBlanks[] = {
    {' ', ' '},       {0xA0, 0xA0},     {0x1680, 0x1680}, {0x2000, 0x200A},
    {0x202F, 0x202F}, {0x205F, 0x205F}, {0x3000, 0x3000},
};

bool inRanges(char32_t code, std::span<const CodeRange> ranges) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [code](const CodeRange& r) { return code >= r.first && code <= r.last; });
}

// The code points of well-formed UTF-8.
std::u32string decode(std::string_view text) {
    std::u32string codes;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        codes.push_back(code);
        i += length;
    }
    return codes;
}

// Lower-case mapping of the C.UTF-8 locale, which knows every script; ASCII only without it.
char32_t lowerCase(char32_t code) {
    static const locale_t utf8 = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
    if (utf8)
        return static_cast<char32_t>(::towlower_l(static_cast<wint_t>(code), utf8));
    return code >= 'A' && code <= 'Z' ? code + ('a' - 'A') : code;
}

} // namespace

std::int32_t nameProblem(std::string_view name) {
    if (name.empty())
        return ALIAS_CHECK_EMPTY;
    if (name.size() > ALIAS_MAX_BYTES)
        return ALIAS_CHECK_TOO_LONG;
    if (!doz::platform::isValidUtf8(name))
        return ALIAS_CHECK_ENCODING;
    const std::u32string codes = decode(name);
    const auto isBlank = [](char32_t c) { return inRanges(c, kBlanks); };
    if (std::all_of(codes.begin(), codes.end(), isBlank))
        return ALIAS_CHECK_EMPTY;
    if (std::any_of(codes.begin(), codes.end(), [](char32_t c) { return inRanges(c, kRefused); }))
        return ALIAS_CHECK_CHARACTER;
    if (isBlank(codes.front()) || isBlank(codes.back()))
        return ALIAS_CHECK_BLANK_EDGE;
    return 0;
}

std::u32string foldedName(std::string_view name) {
    std::u32string codes = decode(name);
    std::transform(codes.begin(), codes.end(), codes.begin(), lowerCase);
    return codes;
}

bool sameName(std::string_view a, std::string_view b) {
    return foldedName(a) == foldedName(b);
}

} // namespace radezuvivarirare
