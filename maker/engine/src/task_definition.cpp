#include "task_definition.h"

#include "property_table.h"

#include <algorithm>

namespace radezuvi {

double TaskDefinition::property(int id) const {
    if (const auto it = properties.find(id); it != properties.end()) {
        return it->second;
    }
    const PropertyRule* rule = findProperty(PropertyScope::Task, id);
    return rule ? rule->defaultValue : 0;
}

double TaskDefinition::channelProperty(int channel, int id) const {
    if (const auto it = channelProperties.find({channel, id}); it != channelProperties.end()) {
        return it->second;
    }
    const PropertyRule* rule = findProperty(PropertyScope::Channel, id);
    return rule ? rule->defaultValue : 0;
}

bool TaskDefinition::isEnabled(int channel) const {
    return std::find(channels.begin(), channels.end(), channel) != channels.end();
}

std::string truncatedDescription(std::string text) {
    if (text.size() <= kMaxDescription) {
        return text;
    }
    std::size_t cut = kMaxDescription;
    // Step back over continuation bytes so the last character stays whole.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    text.resize(cut);
    return text;
}

} // namespace radezuvi
