#include "common/platform/number_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace doz::platform {
namespace {

TEST(LeadingInteger, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, long> cases[] = {
        {"12abc", 12}, {"  -42", -42}, {"\t+7", 7}, {"12.9", 12}, {"007", 7}, {"-0", 0},
        {"-", 0},      {"abc", 0},     {"", 0},     {"--5", 0},   {"+-5", 0}, {" 1 2", 1},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(leadingInteger(text), expected) << '"' << text << '"';
}

TEST(LeadingInteger, ClampsInsteadOfOverflowing) {
    constexpr long maxLong = std::numeric_limits<long>::max();
    constexpr long minLong = std::numeric_limits<long>::min();
    EXPECT_EQ(leadingInteger(std::to_string(maxLong)), maxLong);
    EXPECT_EQ(leadingInteger(std::to_string(minLong)), minLong);
    EXPECT_EQ(leadingInteger("9223372036854775808"), maxLong);
    EXPECT_EQ(leadingInteger("99999999999999999999999"), maxLong);
    EXPECT_EQ(leadingInteger("-99999999999999999999999"), minLong);
}

TEST(LeadingDecimal, ReadsTheNumberAtTheStart) {
    const std::pair<const char*, double> cases[] = {
        {"3.5V", 3.5},
        {".5", 0.5},
        {"-.25", -0.25},
        {"5.", 5.0},
        {"1.2.3", 1.2},
        {" \t2.5", 2.5},
        {"-", 0.0},
        {".", 0.0},
        {"-.", 0.0},
        {"abc", 0.0},
        {"", 0.0},
        {"12", 12.0},
        // Only digits and a point: no exponents, hexadecimal, infinities or NaN.
        {"1e3", 1.0},
        {"0x1A", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(leadingDecimal(text), expected) << '"' << text << '"';
}

TEST(LeadingDecimal, ClampsInsteadOfBecomingInfinite) {
    const std::string huge = "1" + std::string(400, '0');
    EXPECT_EQ(leadingDecimal(huge), std::numeric_limits<double>::max());
    EXPECT_EQ(leadingDecimal("-" + huge + ".5"), -std::numeric_limits<double>::max());
    EXPECT_EQ(leadingDecimal("0." + std::string(400, '0') + "1"), 0.0);
}

TEST(NumberBoxKeys, DigitsAndBackspaceAlwaysPointAndMinusPerBox) {
    const NumberBoxRule whole{false, false};
    const NumberBoxRule decimal{true, false};
    const NumberBoxRule signedDecimal{true, true};
    for (char32_t key = U'0'; key <= U'9'; ++key)
        EXPECT_TRUE(acceptsKey(whole, key));
    EXPECT_TRUE(acceptsKey(whole, kBackspaceKey));

    EXPECT_FALSE(acceptsKey(whole, U'.'));
    EXPECT_TRUE(acceptsKey(decimal, U'.'));
    EXPECT_FALSE(acceptsKey(decimal, U'-'));
    EXPECT_TRUE(acceptsKey(signedDecimal, U'-'));
    EXPECT_TRUE(acceptsKey(NumberBoxRule{false, true}, U'-'));

    for (const char32_t other : {U'a', U' ', U'+', U',', U'e', U'\t', U'\u0663', U'\uFF11'})
        EXPECT_FALSE(acceptsKey(signedDecimal, other)) << static_cast<unsigned>(other);
}

} // namespace
} // namespace doz::platform
