// The chosen IDs: one per model, distinct, and never mistaken for one another.
#include "dedozovaz/model_ids.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace dedozovaz {
namespace {

TEST(IdTable, HoldsEveryModelRecognisedByItsOwnId) {
    const std::set<std::string> expected{
        "A120", "A130", "D215", "D220", "D223", "D224", "D230", "D231", "D235", "D237", "D240", "D242",
        "D250", "D265", "D270", "D280", "D281", "D282", "T310", "M610", "M630", "M640", "M650", "D245",
        "D295", "D290", "D291", "D292", "M670", "M680", "A110", "D260", "E410", "E415", "E420", "E430",
        "E435", "E440", "E445", "E460", "E465", "E450", "E455", "E425", "S730"};
    std::set<std::string> listed;
    for (const ModelId& model : ModelIds)
        EXPECT_TRUE(listed.emplace(model.name).second) << model.name;
    EXPECT_EQ(listed, expected);
}

TEST(IdTable, FamiliesFollowTheCardLines) {
    for (const ModelId& model : ModelIds) {
        const std::uint16_t family = model.name.starts_with('E') ? 1 : model.name == "S730" ? 2 : 0;
        EXPECT_EQ(model.family, family) << model.name;
    }
}

TEST(IdTable, IdsAreDistinctAndE400IdsKeepBit15Clear) {
    std::set<std::uint16_t> ids;
    for (const ModelId& model : ModelIds) {
        EXPECT_TRUE(ids.insert(model.id).second) << model.name;
        if (model.family == 1) {
            EXPECT_EQ(model.id & 0x8000, 0) << model.name;
        }
    }
}

// An E400 card may show its ID with bit 15 set; no other model may own that form, since the
// classic table is searched first.
TEST(IdTable, NoOtherModelOwnsAnE400IdWithBit15Set) {
    for (const ModelId& e400 : ModelIds) {
        if (e400.family != 1)
            continue;
        for (const ModelId& other : ModelIds)
            EXPECT_NE(other.id, e400.id | 0x8000) << other.name << " hides " << e400.name;
    }
}

TEST(IdTable, MakerVendorIsNoneOfTheBridgeVendorsNorAnEmptySlot) {
    for (const std::uint16_t taken : {0x0000, 0xFFFF, 0x10B5, 0x10E8, 0x9999})
        EXPECT_NE(MakerVendorId, taken);
}

} // namespace
} // namespace dedozovaz
