#include "revorur/devices/catalogue/driver_card_types.h"

#include <gtest/gtest.h>

namespace doz::catalogue {

TEST(DriverCardTypes, CountTheE400ModelsInCodeOrder) {
    EXPECT_EQ(DriverCardTypeOfType(1510), 1) << "E410";
    EXPECT_EQ(DriverCardTypeOfType(1520), 2) << "E415";
    EXPECT_EQ(DriverCardTypeOfType(1530), 3) << "E420";
    EXPECT_EQ(DriverCardTypeOfType(1540), 4) << "E425";
    EXPECT_EQ(DriverCardTypeOfType(1550), 5) << "E430";
    EXPECT_EQ(DriverCardTypeOfType(1560), 6) << "E435";
    EXPECT_EQ(DriverCardTypeOfType(1570), 7) << "E440";
    EXPECT_EQ(DriverCardTypeOfType(1580), 8) << "E445";
    EXPECT_EQ(DriverCardTypeOfType(1590), 9) << "E450";
    EXPECT_EQ(DriverCardTypeOfType(1600), 10) << "E455";
    EXPECT_EQ(DriverCardTypeOfType(1610), 11) << "E460";
    EXPECT_EQ(DriverCardTypeOfType(1620), 12) << "E465";
}

TEST(DriverCardTypes, OtherCodesHaveNone) {
    for (int code : {0, 1, 330, 1000, 1500, 1515, 1630, -1510})
        EXPECT_EQ(DriverCardTypeOfType(code), 0) << code;
}

} // namespace doz::catalogue
