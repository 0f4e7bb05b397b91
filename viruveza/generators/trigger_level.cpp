#include "viruveza/generators/trigger_level.h"

#include <array>

namespace doz::generators {

namespace {

struct TriggerSpan {
    std::uint16_t rangeCode;
    double low;
    double high;
    double codesPerVolt;
    bool zeroBecomesOne; // bipolar spans never give 0
};

constexpr std::array<TriggerSpan, 8> Spans = {{
    {1, -10.0, 10.0, 12.8, true},
    {2, -5.0, 5.0, 25.6, true},
    {3, -2.5, 2.5, 51.2, true},
    {4, -1.25, 1.25, 102.4, true},
    {15, 0.0, 10.0, 25.6, false},
    {16, 0.0, 5.0, 51.2, false},
    {17, 0.0, 2.5, 102.4, false},
    {18, 0.0, 1.25, 204.8, false},
}};

} // namespace

std::uint16_t AnalogTriggerLevelCode(float volts, std::uint16_t rangeCode) {
    for (const TriggerSpan& span : Spans) {
        if (span.rangeCode != rangeCode)
            continue;
        if (!(volts >= span.low)) // a NaN level counts as below the span
            return 1;
        if (volts > span.high)
            return 256;
        const auto code = static_cast<std::uint16_t>((volts - span.low) * span.codesPerVolt);
        return code == 0 && span.zeroBecomesOne ? 1 : code;
    }
    return 0;
}

} // namespace doz::generators
