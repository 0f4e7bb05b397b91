// Every task and channel property the engine knows, with its default and the values it accepts.
#pragma once

#include <span>

namespace radezuvi {

enum class PropertyScope { Task, Channel };

struct PropertyRule {
    PropertyScope scope;
    int id;
    double defaultValue;
    double min; // accepted interval when choices is empty
    double max;
    std::span<const int> choices; // accepted enumeration values, when not empty
    bool readOnly = false;
};

const PropertyRule* findProperty(PropertyScope scope, int id);

// True when a value may be stored in the property.
bool acceptsValue(const PropertyRule& rule, double value);

} // namespace radezuvi
