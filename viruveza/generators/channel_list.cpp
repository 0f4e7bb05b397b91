#include "viruveza/generators/channel_list.h"

#include <algorithm>
#include <span>
#include <tuple>
#include <utility>

namespace doz::generators {

namespace {

// Two channels share their settings when their keys are equal. The AI key keeps range and
// ground apart: OR-ing the two small codes would let range 3 with RSE pass for range 2 with DIFF.
auto AiKey(const AiChannelSetting& entry) {
    return std::make_pair(entry.range, entry.refGround);
}

auto AoKey(const AoChannelSetting& entry) {
    return std::make_tuple(entry.polarity, entry.refSource, entry.refVoltage);
}

template <typename Entry, typename KeyOf>
ChannelList Normalise(DeviceSetup& record, std::span<const Entry> table, std::size_t tableSize, KeyOf keyOf) {
    ChannelList list;
    if (record.channelCount == 1) {
        list.channels.push_back(record.channel);
        return list;
    }
    bool consecutive = true;
    for (std::size_t i = 0; i < std::min(tableSize, table.size()); ++i) {
        if (!table[i].enabled)
            continue;
        if (!list.channels.empty()) {
            const std::uint16_t previous = list.channels.back();
            consecutive = consecutive && previous + 1u == i;
            list.mixedSettings = list.mixedSettings || keyOf(table[previous]) != keyOf(table[i]);
        }
        list.channels.push_back(static_cast<std::uint16_t>(i));
    }
    record.channelCount = static_cast<std::uint16_t>(list.channels.size());
    if (!list.channels.empty())
        record.channel = list.channels.front();
    if (record.channelPattern != AllLikeFirst)
        record.channelPattern = consecutive && !list.mixedSettings ? ConsecutiveAlike : EachChannelSet;
    return list;
}

} // namespace

ChannelList NormaliseAiChannels(DeviceSetup& record, std::size_t tableSize) {
    return Normalise(record, std::span<const AiChannelSetting>(record.aiChannels), tableSize, AiKey);
}

ChannelList NormaliseAoChannels(DeviceSetup& record, std::size_t tableSize) {
    return Normalise(record, std::span<const AoChannelSetting>(record.aoChannels), tableSize, AoKey);
}

E465ChannelList NormaliseE465Channels(DeviceSetup& record, std::size_t firstEntry, std::size_t endEntry) {
    constexpr std::uint16_t FirstGroupBChannel = 4;
    E465ChannelList list;
    for (std::size_t i = firstEntry; i < std::min(endEntry, AoChannelEntries); ++i) {
        if (!record.aoChannels[i].enabled)
            continue;
        list.channels.push_back(static_cast<std::uint16_t>(i));
        ++(i < FirstGroupBChannel ? list.groupA : list.groupB);
    }
    if (record.channelCount == 1 && !list.channels.empty())
        record.channel = list.channels.front();
    if (record.channelPattern == AllLikeFirst)
        return list;
    record.channelPattern = ConsecutiveAlike;
    const std::size_t pairs = std::min<std::size_t>(record.channelCount, list.channels.size());
    for (std::size_t k = 1; k < pairs; ++k) {
        const std::uint16_t previous = list.channels[k - 1];
        const std::uint16_t current = list.channels[k];
        if (current != previous + 1u ||
            AoKey(record.aoChannels[previous]) != AoKey(record.aoChannels[current])) {
            record.channelPattern = EachChannelSet;
            break;
        }
    }
    return list;
}

} // namespace doz::generators
