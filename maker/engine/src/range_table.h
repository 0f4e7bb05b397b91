// Signal spans of the range codes: voltage ranges in volts, current ranges in milliamperes.
#pragma once

namespace radezuvi {

struct RangeSpan {
    double low;
    double high;
};

inline constexpr int kDefaultVoltageRange = 201;
inline constexpr int kDefaultCurrentRange = 250;

// Span of a range code; the default voltage range for an unknown code.
RangeSpan rangeSpan(int code);

bool isCurrentRange(int code);

} // namespace radezuvi
