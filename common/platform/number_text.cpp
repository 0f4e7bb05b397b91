#include "common/platform/number_text.h"

#include <charconv>
#include <limits>
#include <string>

namespace doz::platform {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The sign and the run of digits (and, when asked, one point) at the start of a number text.
struct NumberPrefix {
    bool negative = false;
    std::string_view digits; // e.g. "12", "3.5", ".5", "5." or "" when there is no number
    bool hasDigit = false;
};

NumberPrefix scanNumber(std::string_view text, bool withPoint) {
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    NumberPrefix prefix;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        prefix.negative = text[i] == '-';
        ++i;
    }
    const std::size_t start = i;
    bool pointSeen = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            prefix.hasDigit = true;
        else if (withPoint && text[i] == '.' && !pointSeen)
            pointSeen = true;
        else
            break;
    }
    prefix.digits = text.substr(start, i - start);
    return prefix;
}

} // namespace

long leadingInteger(std::string_view text) {
    const NumberPrefix number = scanNumber(text, false);
    constexpr long maxValue = std::numeric_limits<long>::max();
    constexpr long minValue = std::numeric_limits<long>::min();
    long value = 0;
    for (const char c : number.digits) {
        const int digit = c - '0';
        // Accumulate towards the sign so the most negative value is reachable.
        if (number.negative) {
            if (value < (minValue + digit) / 10)
                return minValue;
            value = value * 10 - digit;
        } else {
            if (value > (maxValue - digit) / 10)
                return maxValue;
            value = value * 10 + digit;
        }
    }
    return value;
}

double leadingDecimal(std::string_view text) {
    const NumberPrefix number = scanNumber(text, true);
    if (!number.hasDigit)
        return 0.0;
    double value = 0.0;
    const char* first = number.digits.data();
    const char* last = first + number.digits.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::fixed);
    if (error == std::errc::result_out_of_range) {
        // Too large when a nonzero digit stands before the point, otherwise too small.
        const std::string_view whole = number.digits.substr(0, number.digits.find('.'));
        const bool tooLarge = whole.find_first_not_of('0') != std::string_view::npos;
        value = tooLarge ? std::numeric_limits<double>::max() : 0.0;
    }
    return number.negative ? -value : value;
}

bool acceptsKey(NumberBoxRule rule, char32_t key) {
    if ((key >= U'0' && key <= U'9') || key == kBackspaceKey)
        return true;
    return (key == U'.' && rule.allowPoint) || (key == U'-' && rule.allowMinus);
}

} // namespace doz::platform
