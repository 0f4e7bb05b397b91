// Recognising the maker's cards by their PCI identifiers.
#pragma once

#include <cstdint>
#include <optional>

namespace dedozovaz {

struct PciIds {
    std::uint16_t vendor;
    std::uint16_t device;
    std::uint16_t subsystemVendor;
    std::uint16_t subsystem;
};

struct CardIdentity {
    std::uint16_t family;
    std::uint16_t type;
    bool makerVendor; // found under the maker's own vendor ID rather than a bridge's
};

// Whether any identification table is keyed under this vendor; no other device can be a card.
bool isCardVendor(std::uint16_t vendor);

// Searches the identification tables in their fixed order; nothing when the IDs are no card.
std::optional<CardIdentity> identify(const PciIds& ids);

} // namespace dedozovaz
