#include "viruveza/generators/range_names.h"

#include "viruveza/generators/name_lists.h"

namespace doz::generators {

namespace {

constexpr std::array<const char*, 23> RangeNames = {
    "",
    "AD_B_10_V",
    "AD_B_5_V",
    "AD_B_2_5_V",
    "AD_B_1_25_V",
    "AD_B_0_625_V",
    "AD_B_0_3125_V",
    "AD_B_0_5_V",
    "AD_B_0_05_V",
    "AD_B_0_005_V",
    "AD_B_1_V",
    "AD_B_0_1_V",
    "AD_B_0_01_V",
    "AD_B_0_001_V",
    "AD_U_20_V",
    "AD_U_10_V",
    "AD_U_5_V",
    "AD_U_2_5_V",
    "AD_U_1_25_V",
    "AD_U_1_V",
    "AD_U_0_1_V",
    "AD_U_0_01_V",
    "AD_U_0_001_V",
};

} // namespace

const char* RangeName(std::uint16_t rangeCode) {
    return NameAt(RangeNames, rangeCode);
}

} // namespace doz::generators
