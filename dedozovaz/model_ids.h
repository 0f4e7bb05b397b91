// The PCI IDs of the maker and of each card model: the one place they are chosen.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace dedozovaz {

// PCI vendor ID of the maker.
inline constexpr std::uint16_t MakerVendorId = 0x1D2A;

// Every model that is recognised by an ID of its own.
// clang-format off
enum class Model : std::uint8_t {
    A110, A120, A130,
    D215, D220, D223, D224, D230, D231, D235, D237, D240, D242, D245, D250, D260, D265, D270,
    D280, D281, D282, D290, D291, D292, D295,
    T310,
    M610, M630, M640, M650, M670, M680,
    E410, E415, E420, E425, E430, E435, E440, E445, E450, E455, E460, E465,
    S730,
};
// clang-format on

struct ModelId {
    Model model;
    std::string_view name;
    std::uint16_t family;
    // Used both as device ID and as subsystem ID. The high nibble stands for the model's
    // letter (A 1, D 2, T 3, E 4, M 6, S 7) and the rest is its number, so E400 IDs keep
    // bit 15 clear.
    std::uint16_t id;
};

// Indexed by Model.
inline constexpr std::array<ModelId, 45> ModelIds{{
    {Model::A110, "A110", 0, 0x1110}, {Model::A120, "A120", 0, 0x1120}, {Model::A130, "A130", 0, 0x1130},
    {Model::D215, "D215", 0, 0x2215}, {Model::D220, "D220", 0, 0x2220}, {Model::D223, "D223", 0, 0x2223},
    {Model::D224, "D224", 0, 0x2224}, {Model::D230, "D230", 0, 0x2230}, {Model::D231, "D231", 0, 0x2231},
    {Model::D235, "D235", 0, 0x2235}, {Model::D237, "D237", 0, 0x2237}, {Model::D240, "D240", 0, 0x2240},
    {Model::D242, "D242", 0, 0x2242}, {Model::D245, "D245", 0, 0x2245}, {Model::D250, "D250", 0, 0x2250},
    {Model::D260, "D260", 0, 0x2260}, {Model::D265, "D265", 0, 0x2265}, {Model::D270, "D270", 0, 0x2270},
    {Model::D280, "D280", 0, 0x2280}, {Model::D281, "D281", 0, 0x2281}, {Model::D282, "D282", 0, 0x2282},
    {Model::D290, "D290", 0, 0x2290}, {Model::D291, "D291", 0, 0x2291}, {Model::D292, "D292", 0, 0x2292},
    {Model::D295, "D295", 0, 0x2295}, {Model::T310, "T310", 0, 0x3310}, {Model::M610, "M610", 0, 0x6610},
    {Model::M630, "M630", 0, 0x6630}, {Model::M640, "M640", 0, 0x6640}, {Model::M650, "M650", 0, 0x6650},
    {Model::M670, "M670", 0, 0x6670}, {Model::M680, "M680", 0, 0x6680}, {Model::E410, "E410", 1, 0x4410},
    {Model::E415, "E415", 1, 0x4415}, {Model::E420, "E420", 1, 0x4420}, {Model::E425, "E425", 1, 0x4425},
    {Model::E430, "E430", 1, 0x4430}, {Model::E435, "E435", 1, 0x4435}, {Model::E440, "E440", 1, 0x4440},
    {Model::E445, "E445", 1, 0x4445}, {Model::E450, "E450", 1, 0x4450}, {Model::E455, "E455", 1, 0x4455},
    {Model::E460, "E460", 1, 0x4460}, {Model::E465, "E465", 1, 0x4465}, {Model::S730, "S730", 2, 0x7730},
}};

constexpr std::uint16_t idOf(Model model) {
    return ModelIds[static_cast<std::size_t>(model)].id;
}

constexpr bool modelIdsInEnumOrder() {
    for (std::size_t i = 0; i < ModelIds.size(); ++i) {
        if (static_cast<std::size_t>(ModelIds[i].model) != i)
            return false;
    }
    return true;
}
static_assert(modelIdsInEnumOrder(), "ModelIds must be indexed by Model");

} // namespace dedozovaz
