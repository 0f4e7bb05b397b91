#include "property_table.h"

#include "radezuvi_engine.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace radezuvi {

namespace {

constexpr double kAny = std::numeric_limits<double>::max();
constexpr double kMaxBlock = 16 * 1024 * 1024;

constexpr int kInputSources[] = {170, 171, 175, 176};
constexpr int kClockSources[] = {804};
constexpr int kRanges[] = {201, 202, 203, 204, 205, 206, 207, 208, 209, 210,
                           211, 212, 213, 214, 215, 216, 250, 251, 252};
constexpr int kOutputKinds[] = {350};
constexpr int kPortWidths[] = {514, 515, 516};
constexpr int kWaveforms[] = {400, 401, 402, 403};

using enum PropertyScope;

// Default 0 for an enumeration means "not set": the card's own choice applies.
constexpr PropertyRule kProperties[] = {
    {Task, RADEZUVI_PROP_OPERATION, 0, 0, 0, {}, true},
    {Task, RADEZUVI_PROP_DEVICE_TYPE, 0, 0, 0, {}, true},
    {Task, RADEZUVI_PROP_DEVICE_INDEX, 0, 0, 0, {}, true},
    {Task, RADEZUVI_PROP_INPUT_SOURCE, 0, 0, 0, kInputSources},
    {Task, RADEZUVI_PROP_AI_RATE, 0, 0, kAny, {}},
    {Task, RADEZUVI_PROP_DIO_RATE, 0, 0, kAny, {}},
    {Task, RADEZUVI_PROP_BLOCK_SIZE, 0, 0, kMaxBlock, {}},
    {Task, RADEZUVI_PROP_TIMER_INTERVAL, 1000, 1, 3'600'000, {}},
    {Task, RADEZUVI_PROP_CLOCK_SOURCE, 804, 0, 0, kClockSources},
    {Channel, RADEZUVI_CHPROP_ENABLED, 0, 0, 1, {}},
    {Channel, RADEZUVI_CHPROP_RANGE, 0, 0, 0, kRanges},
    {Channel, RADEZUVI_CHPROP_OUTPUT_KIND, 350, 0, 0, kOutputKinds},
    {Channel, RADEZUVI_CHPROP_PORT_WIDTH, 0, 0, 0, kPortWidths},
    {Channel, RADEZUVI_CHPROP_WAVEFORM, 400, 0, 0, kWaveforms},
    {Channel, RADEZUVI_CHPROP_FREQUENCY, 1000, -kAny, kAny, {}},
    {Channel, RADEZUVI_CHPROP_AMPLITUDE, 1, -kAny, kAny, {}},
    {Channel, RADEZUVI_CHPROP_OFFSET, 0, -kAny, kAny, {}},
    {Channel, RADEZUVI_CHPROP_PHASE, 0, -kAny, kAny, {}},
    {Channel, RADEZUVI_CHPROP_DUTY_CYCLE, 50, -kAny, kAny, {}},
};

} // namespace

const PropertyRule* findProperty(PropertyScope scope, int id) {
    const auto* it = std::find_if(std::begin(kProperties), std::end(kProperties),
                                  [&](const PropertyRule& r) { return r.scope == scope && r.id == id; });
    return it == std::end(kProperties) ? nullptr : it;
}

bool acceptsValue(const PropertyRule& rule, double value) {
    if (rule.readOnly || !std::isfinite(value)) {
        return false;
    }
    if (!rule.choices.empty()) {
        return std::find(rule.choices.begin(), rule.choices.end(), value) != rule.choices.end();
    }
    return value >= rule.min && value <= rule.max;
}

} // namespace radezuvi
