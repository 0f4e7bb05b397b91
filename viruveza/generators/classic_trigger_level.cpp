#include "viruveza/generators/classic_trigger_level.h"

#include <array>

namespace doz::generators {

namespace {

struct TriggerSpan {
    std::uint16_t adRange;
    double low;
    double high;
    double codesPerVolt;
};

constexpr std::array<TriggerSpan, 2> Spans = {{
    {2, -5.0, 5.0, 25.5},
    {10, -1.0, 1.0, 127.5},
}};

} // namespace

std::uint8_t S720TriggerLevelCode(float volts, std::uint16_t adRange) {
    for (const TriggerSpan& span : Spans) {
        if (span.adRange != adRange)
            continue;
        if (!(volts >= span.low)) // a NaN level counts as below the span
            return 0;
        if (volts > span.high)
            return 255;
        return static_cast<std::uint8_t>((volts - span.low) * span.codesPerVolt);
    }
    return 0;
}

} // namespace doz::generators
