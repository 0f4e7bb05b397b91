#pragma once
// The port names of the classic digital cards: how a card turns the record's port index into
// the port it reads or writes, and whether that port needs its direction configured first.

#include <cstdint>
#include <span>

namespace doz::generators {

enum class PortDirection : std::uint8_t { Input, Output };

enum class PortFamily : std::uint8_t {
    Configurable, // named ports whose direction is set before use (D230, D231, D250, D270)
    Auxiliary,    // the D260's one auxiliary port
    Named,        // named ports without a direction (D281, D282, M610)
    Numbered,     // the port index itself
};

struct PortName {
    const char* name;
    const char* configuredThrough; // D270 input: the port whose direction is set instead; else null
    bool wholePort;                // D270 output: a 32-bit port
};

struct PortCard {
    PortFamily family;
    std::span<const PortName> ports; // by port index; Auxiliary: its one name
};

// How `cardType` names its ports in `direction`; Numbered for cards without names.
PortCard PortCardOf(std::uint16_t cardType, PortDirection direction);

// The port at `index`; a port with an empty name when the index lies outside the list.
PortName PortAt(const PortCard& card, std::uint16_t index);

} // namespace doz::generators
