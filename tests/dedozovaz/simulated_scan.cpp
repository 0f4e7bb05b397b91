#include "simulated_scan.h"

#include <array>
#include <cstdio>
#include <cstring>

namespace dedozovaz::test {

std::string busLine(const SimCard& card) {
    std::array<char, 128> line{};
    std::snprintf(line.data(), line.size(), "%02x:%02x.%x %04x:%04x %04x:%04x 0x%08x 0x%08x", card.bus,
                  card.device, card.function, card.vendor, card.deviceId, card.subsystemVendor,
                  card.subsystem, card.bar1, card.bar2);
    std::string text = line.data();
    if (card.gpio) {
        std::snprintf(line.data(), line.size(), " gpio=0x%08x", *card.gpio);
        text += line.data();
    }
    return text;
}

std::string busText(const std::vector<SimCard>& cards) {
    std::string text;
    for (const SimCard& card : cards)
        text += busLine(card) + '\n';
    return text;
}

std::uint32_t switchLines(std::initializer_list<int> lines) {
    std::uint32_t value = 0;
    for (const int line : lines)
        value |= 1U << (3 * line + 2);
    return value;
}

SimulatedBusFile::SimulatedBusFile(std::string_view text)
    : file_(dir_.write("bus.txt", text)), env_("DEDOZOVAZ_PCI_SIM", file_.string()) {}

std::vector<VIZDevRecord> scanRecords(const std::vector<SimCard>& cards) {
    const SimulatedBusFile bus(busText(cards));
    std::vector<VIZDevRecord> records(VIZ_MAX_DEVICES);
    records.resize(VIZFindDev(0, records.data()));
    return records;
}

std::ostream& operator<<(std::ostream& out, const Found& found) {
    return out << '{' << found.family << ", " << found.type << ", " << found.card << ", " << found.name
               << '}';
}

std::vector<Found> scan(const std::vector<SimCard>& cards) {
    std::vector<Found> found;
    for (const VIZDevRecord& r : scanRecords(cards))
        found.push_back(
            {r.family, r.type, r.card_number, std::string(r.name, strnlen(r.name, sizeof r.name))});
    return found;
}

} // namespace dedozovaz::test
