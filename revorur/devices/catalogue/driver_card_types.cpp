#include "driver_card_types.h"

namespace doz::catalogue {
namespace {

struct DriverCardType {
    int typeCode;
    std::uint16_t driverType;
};

// The driver library counts the E400 models in type-code order, from 1.
constexpr DriverCardType driverCardTypes[] = {
    {1510, 1}, {1520, 2}, {1530, 3}, {1540, 4},  {1550, 5},  {1560, 6},
    {1570, 7}, {1580, 8}, {1590, 9}, {1600, 10}, {1610, 11}, {1620, 12},
};

} // namespace

std::uint16_t DriverCardTypeOfType(int typeCode) {
    for (const auto& row : driverCardTypes)
        if (row.typeCode == typeCode)
            return row.driverType;
    return 0;
}

} // namespace doz::catalogue
