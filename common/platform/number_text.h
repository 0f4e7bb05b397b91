#pragma once

#include <string_view>

namespace doz::platform {

// Number boxes read the number at the start of their text: optional blanks, an optional sign,
// then digits (and for decimals one point). Anything after it is ignored; no number reads 0.
// Values past the range of the type clamp to its limits.
long leadingInteger(std::string_view text);
double leadingDecimal(std::string_view text);

// Which keys a number box lets through: digits and backspace always, point and minus per box.
struct NumberBoxRule {
    bool allowPoint;
    bool allowMinus;
};

inline constexpr char32_t kBackspaceKey = 0x08;

bool acceptsKey(NumberBoxRule rule, char32_t key);

} // namespace doz::platform
