// The settings of a task: what a task file holds and what a task object runs from.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace radezuvi {

inline constexpr std::size_t kMaxDescription = 2047;

struct TaskDefinition {
    int operation = 0;
    int typeCode = 0;
    int cardNumber = 0;
    std::string description;
    std::vector<std::uint16_t> channels;                     // enabled, in the order enabled
    std::map<int, double> properties;                        // task properties that were set
    std::map<std::pair<int, int>, double> channelProperties; // (channel, id) -> value

    // The value of a task or channel property, its default when it was never set.
    double property(int id) const;
    double channelProperty(int channel, int id) const;
    bool isEnabled(int channel) const;
};

// Cuts a text to kMaxDescription bytes without splitting a UTF-8 sequence.
std::string truncatedDescription(std::string text);

} // namespace radezuvi
