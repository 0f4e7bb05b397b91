#include "maker/taskwizard/src/setting_choices.h"

namespace doz::taskwizard {

namespace {

constexpr Choice kVoltageRanges[] = {
    {201, "+/-10 V"},     {202, "+/-5 V"},    {203, "+/-2.5 V"},   {204, "+/-2 V"},
    {205, "+/-1.25 V"},   {206, "+/-1 V"},    {207, "+/-0.625 V"}, {208, "+/-0.5 V"},
    {209, "+/-0.3125 V"}, {210, "+/-0.25 V"}, {211, "+/-0.2 V"},   {212, "+/-0.1 V"},
    {213, "+/-0.05 V"},   {214, "+/-0.01 V"}, {215, "+/-0.005 V"}, {216, "+/-0.001 V"},
};

constexpr Choice kCurrentRanges[] = {
    {250, "0 to 20 mA"},
    {251, "4 to 20 mA"},
    {252, "5 to 25 mA"},
};

constexpr Choice kWaveforms[] = {
    {400, "Sine"},
    {401, "Square"},
    {402, "Triangle"},
    {403, "Sawtooth"},
};

} // namespace

std::span<const Choice> voltageRanges() {
    return kVoltageRanges;
}

std::span<const Choice> currentRanges() {
    return kCurrentRanges;
}

std::span<const Choice> waveforms() {
    return kWaveforms;
}

} // namespace doz::taskwizard
