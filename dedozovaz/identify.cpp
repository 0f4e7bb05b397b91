#include "dedozovaz/identify.h"

#include "dedozovaz/model_ids.h"

#include <algorithm>
#include <array>
#include <span>

namespace dedozovaz {
namespace {

constexpr std::uint16_t PlxVendorId = 0x10B5;
constexpr std::uint16_t AmccVendorId = 0x10E8;
constexpr std::uint16_t Plx9080SubsystemVendor = 0x9999;

struct IdRow {
    std::uint16_t id;
    std::uint16_t type;
};

constexpr IdRow row(Model model, std::uint16_t type) {
    return {idOf(model), type};
}

using enum Model;

constexpr std::array MakerClassicRows{
    row(A120, 1),  row(A130, 3),  row(D215, 9),  row(D220, 6),  row(D223, 7),  row(D224, 8),  row(D230, 9),
    row(D231, 10), row(D235, 11), row(D237, 12), row(D240, 33), row(D242, 34), row(D250, 13), row(D265, 31),
    row(D270, 31), row(D280, 16), row(D281, 17), row(D282, 18), row(T310, 19), row(M610, 20), row(M630, 23),
    row(M640, 24), row(M650, 32), row(D245, 35), row(D295, 36), row(D290, 37), row(D291, 38), row(D292, 39),
    row(M670, 40), row(M680, 41), row(A110, 42),
};

constexpr std::array MakerE400Rows{
    row(E410, 4), row(E415, 6), row(E420, 1), row(E430, 5),  row(E435, 2),  row(E440, 3),
    row(E445, 9), row(E460, 7), row(E465, 8), row(E450, 10), row(E455, 11), row(E425, 12),
};

constexpr std::array MakerDigitizerRows{row(S730, 1)};

constexpr std::array Plx9050Rows{
    row(A120, 1),  row(A130, 3),  row(D215, 9),  row(D220, 6),  row(D223, 7),  row(D224, 8),  row(D230, 9),
    row(D231, 10), row(D235, 11), row(D237, 12), row(D250, 13), row(D265, 31), row(D270, 31), row(D280, 16),
    row(D281, 17), row(D282, 18), row(T310, 19), row(M610, 20), row(M630, 23), row(M640, 24),
};

constexpr std::array Plx9080OtherVendorRows{row(D260, 14)};
constexpr std::array Plx9080MakerRows{row(D260, 15)};

constexpr std::array<IdRow, 4> AmccRows{{{0x80D7, 22}, {0x80D8, 5}, {0x80D9, 26}, {0x80DA, 30}}};

enum class Key { DeviceId, DeviceIdWithoutBit15, SubsystemId };

struct SearchTable {
    std::uint16_t vendor;
    std::optional<std::uint16_t> device;
    std::optional<std::uint16_t> subsystemVendor;
    Key key;
    std::uint16_t family;
    std::span<const IdRow> rows;
};

// In search order: the first table that holds the card decides.
const std::array<SearchTable, 7> SearchTables{{
    {MakerVendorId, {}, {}, Key::DeviceId, 0, MakerClassicRows},
    {MakerVendorId, {}, {}, Key::DeviceIdWithoutBit15, 1, MakerE400Rows},
    {MakerVendorId, {}, {}, Key::DeviceId, 2, MakerDigitizerRows},
    {PlxVendorId, 0x9050, {}, Key::SubsystemId, 0, Plx9050Rows},
    {PlxVendorId, 0x9080, Plx9080SubsystemVendor, Key::SubsystemId, 0, Plx9080OtherVendorRows},
    {PlxVendorId, 0x9080, MakerVendorId, Key::SubsystemId, 0, Plx9080MakerRows},
    {AmccVendorId, {}, {}, Key::DeviceId, 0, AmccRows},
}};

bool applies(const SearchTable& table, const PciIds& ids) {
    return table.vendor == ids.vendor && (!table.device || *table.device == ids.device) &&
           (!table.subsystemVendor || *table.subsystemVendor == ids.subsystemVendor);
}

std::uint16_t keyOf(Key key, const PciIds& ids) {
    switch (key) {
    case Key::DeviceId:
        return ids.device;
    case Key::DeviceIdWithoutBit15:
        return ids.device & 0x7FFF;
    case Key::SubsystemId:
        return ids.subsystem;
    }
    return ids.device;
}

} // namespace

bool isCardVendor(std::uint16_t vendor) {
    return std::ranges::any_of(SearchTables,
                               [vendor](const SearchTable& table) { return table.vendor == vendor; });
}

std::optional<CardIdentity> identify(const PciIds& ids) {
    for (const SearchTable& table : SearchTables) {
        if (!applies(table, ids))
            continue;
        const std::uint16_t key = keyOf(table.key, ids);
        for (const IdRow& r : table.rows) {
            if (r.id == key)
                return CardIdentity{table.family, r.type, table.vendor == MakerVendorId};
        }
    }
    return std::nullopt;
}

} // namespace dedozovaz
