// Machine profiles: any text gives a machine; the virtual device is always its first card, and
// every card names an entry of the device table.

#include "device_table.h"
#include "machine_profile.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::ostringstream report;
    const radezuvi::MachineProfile profile = radezuvi::parseMachineProfile(text, "fuzz", report);
    const radezuvi::MachineProfile virtualOnly = radezuvi::virtualOnlyProfile();
    if (profile.cards.empty() || profile.cards.front().entry != virtualOnly.cards.front().entry)
        std::abort();
    for (const auto& card : profile.cards)
        if (card.entry < 0 || card.entry >= static_cast<int>(radezuvi::deviceTable().size()) ||
            card.cardNumber < 0)
            std::abort();
    return 0;
}
