#pragma once
// E400 channel selection: turns the record's channel table into the list of channels a writer
// configures, and tells it whether one call, a loop or one call per channel fits the list.

#include "viruveza/generators/device_setup.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace doz::generators {

// Values of `DeviceSetup::channelPattern`.
inline constexpr std::int16_t EachChannelSet = 0;
inline constexpr std::int16_t ConsecutiveAlike = 1;
inline constexpr std::int16_t AllLikeFirst = 2;

struct ChannelList {
    std::vector<std::uint16_t> channels; // ascending channel numbers; empty when none is enabled
    bool mixedSettings = false;          // two neighbours in the list have different settings
};

// With `channelCount` 1 the record is left as it is and the list holds `channel` alone.
// Otherwise the first `tableSize` entries are scanned: `channelCount` becomes the number of
// enabled entries, `channel` the first of them (unchanged when none is), and `channelPattern`,
// unless it is AllLikeFirst, becomes ConsecutiveAlike or EachChannelSet.
ChannelList NormaliseAiChannels(DeviceSetup& record, std::size_t tableSize);
ChannelList NormaliseAoChannels(DeviceSetup& record, std::size_t tableSize);

// The E465 waveform's own selection over the AO entries [firstEntry, endEntry) of its running
// mode. `channelCount` is kept; with `channelCount` 1, `channel` becomes the first enabled
// entry. Unless it is AllLikeFirst, `channelPattern` becomes ConsecutiveAlike, or
// EachChannelSet when one of the first `channelCount` - 1 neighbour pairs is not consecutive or
// differs in its settings.
struct E465ChannelList {
    std::vector<std::uint16_t> channels; // enabled entries in ascending order
    std::uint16_t groupA = 0;            // enabled entries below 4
    std::uint16_t groupB = 0;            // enabled entries from 4 up
};
E465ChannelList NormaliseE465Channels(DeviceSetup& record, std::size_t firstEntry, std::size_t endEntry);

} // namespace doz::generators
