#include "dedozovaz/scan.h"

#include "dedozovaz/card_switches.h"
#include "dedozovaz/identify.h"
#include "dedozovaz/name_tables.h"

#include <array>

namespace dedozovaz {
namespace {

constexpr std::uint8_t IdOffset = 0x00;
constexpr std::uint8_t SecondBaseOffset = 0x14;
constexpr std::uint8_t ThirdBaseOffset = 0x18;
constexpr std::uint8_t SubsystemOffset = 0x2C;
constexpr int BusCount = 256;
constexpr int DevicesPerBus = 32;

// One counter per entry of each family's name table.
class TypeCounters {
public:
    TypeCounters() {
        for (std::uint16_t family = 0; family < FamilyCount; ++family)
            counts_[family].assign(nameTable(family).size(), 0);
    }
    std::uint16_t& operator()(std::uint16_t family, std::uint16_t type) { return counts_[family].at(type); }

private:
    std::array<std::vector<std::uint16_t>, FamilyCount> counts_;
};

PciIds idsOf(std::uint32_t idWord, std::uint32_t subsystemWord) {
    return {static_cast<std::uint16_t>(idWord), static_cast<std::uint16_t>(idWord >> 16),
            static_cast<std::uint16_t>(subsystemWord), static_cast<std::uint16_t>(subsystemWord >> 16)};
}

std::uint32_t baseOf(PciAccess& bus, PciSlot slot) {
    const std::uint32_t second = bus.readConfig(slot, SecondBaseOffset);
    return second != 0 ? second : bus.readConfig(slot, ThirdBaseOffset);
}

} // namespace

std::vector<FoundCard> scanBus(PciAccess& bus) {
    std::vector<FoundCard> found;
    TypeCounters counters;
    for (int busNumber = 0; busNumber < BusCount; ++busNumber) {
        for (int device = 0; device < DevicesPerBus; ++device) {
            const PciSlot slot{static_cast<std::uint8_t>(busNumber), static_cast<std::uint8_t>(device), 0};
            const std::uint32_t idWord = bus.readConfig(slot, IdOffset);
            // Empty slots (vendor 0xFFFF) and other makers' devices end here, before the reads
            // that only identification needs.
            if (!isCardVendor(static_cast<std::uint16_t>(idWord)))
                continue;
            const PciIds ids = idsOf(idWord, bus.readConfig(slot, SubsystemOffset));
            const std::uint32_t base = baseOf(bus, slot);
            const std::optional<CardIdentity> card = identify(ids);
            if (!card)
                continue;
            std::uint16_t& counter = counters(card->family, card->type);
            const bool switches = card->family == 0 && card->makerVendor && hasIdSwitches(card->type);
            const std::uint16_t number =
                switches ? switchCardNumber(card->type, bus.readPort(gpioPort(base))) : counter;
            found.push_back({static_cast<std::uint16_t>(found.size() + 1), card->type, number, counter, base,
                             card->family});
            ++counter;
            if (found.size() == MaxFoundCards)
                return found;
        }
    }
    return found;
}

} // namespace dedozovaz
