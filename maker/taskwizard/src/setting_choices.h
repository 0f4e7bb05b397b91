// The choices of the wizard's list boxes: signal ranges and generator waveforms.
#pragma once

#include <span>

namespace doz::taskwizard {

struct Choice {
    int code;
    const char* text;
};

std::span<const Choice> voltageRanges();
std::span<const Choice> currentRanges();
std::span<const Choice> waveforms();

inline constexpr int kDefaultVoltageRange = 201;
inline constexpr int kDefaultCurrentRange = 250;

} // namespace doz::taskwizard
