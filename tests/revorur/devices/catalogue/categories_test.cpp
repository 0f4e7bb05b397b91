#include "revorur/devices/catalogue/categories.h"
#include "revorur/devices/catalogue/code_texts.h"

#include <gtest/gtest.h>

namespace doz::catalogue {

TEST(ModelText, TakesFourCharactersAfterTheFirstDash) {
    EXPECT_EQ(ModelText("PCI-M610"), "M610");
    EXPECT_EQ(ModelText("DAQ-E420"), "E420");
    EXPECT_EQ(ModelText("cPCI-D231-R"), "D231");
    EXPECT_EQ(ModelText("Virtual Device"), "Virt");
    EXPECT_EQ(ModelText("PCI-A1"), "A1");
    EXPECT_EQ(ModelText(""), "");
    EXPECT_EQ(ModelText("PCI-"), "");
}

TEST(CategoryOfModel, GroupsModelsAsTheDeviceTreesShowThem) {
    EXPECT_EQ(CategoryOfModel("A110"), 0);
    EXPECT_EQ(CategoryOfModel("A130"), 0);
    EXPECT_EQ(CategoryOfModel("D235"), 1);
    EXPECT_EQ(CategoryOfModel("D237"), 1);
    EXPECT_EQ(CategoryOfModel("D295"), 1);
    EXPECT_EQ(CategoryOfModel("S740"), 2);
    EXPECT_EQ(CategoryOfModel("E465"), 4);
    EXPECT_EQ(CategoryOfModel("M680"), 4);
    EXPECT_EQ(CategoryOfModel("E410"), 5);
    EXPECT_EQ(CategoryOfModel("T310"), 7);
}

TEST(CategoryOfModel, UnlistedTextsAreUncategorized) {
    EXPECT_EQ(CategoryOfModel("D236"), 8);
    EXPECT_EQ(CategoryOfModel("G810"), 8);
    EXPECT_EQ(CategoryOfModel("R930"), 8);
    EXPECT_EQ(CategoryOfModel("Virt"), 8);
    EXPECT_EQ(CategoryOfModel("m610"), 8) << "the match is on the whole, exact text";
    EXPECT_EQ(CategoryOfModel("M61"), 8);
    EXPECT_EQ(CategoryOfModel(""), 8);
}

TEST(Categories, NamesAndTreePictures) {
    EXPECT_EQ(CategoryName(0), "Analog Output Modules");
    EXPECT_EQ(CategoryName(3), "GPIB Modules");
    EXPECT_EQ(CategoryName(7), "Timer/Counter Modules");
    EXPECT_EQ(CategoryName(8), "Uncategorized Modules");
    EXPECT_EQ(CategoryName(9), "");
    EXPECT_EQ(CategoryName(-1), "");
    EXPECT_EQ(CategoryImageIndex(0), 1);
    EXPECT_EQ(CategoryImageIndex(7), 8);
    EXPECT_EQ(CategoryImageIndex(8), 11);
}

TEST(CodeTexts, RangesReferencesAndModes) {
    EXPECT_EQ(RangeText(201), "+/- 10V");
    EXPECT_EQ(RangeText(207), "+/- 0.625V");
    EXPECT_EQ(RangeText(209), "+/- 0.3125V");
    EXPECT_EQ(RangeText(211), "+/- 0.2V");
    EXPECT_EQ(RangeText(212), "+/- 0.1") << "212 and up have no trailing V";
    EXPECT_EQ(RangeText(216), "+/- 0.001");
    EXPECT_EQ(RangeText(200), "");
    EXPECT_EQ(RangeText(217), "");

    EXPECT_EQ(ReferenceText(300), "Reference Single Ended");
    EXPECT_EQ(ReferenceText(301), "Differential");
    EXPECT_EQ(ReferenceText(302), "Non Reference Single Ended");
    EXPECT_EQ(ReferenceText(303), "");

    EXPECT_EQ(AiModeText(0), "Continue AI");
    EXPECT_EQ(AiModeText(1), "Single Value");
    EXPECT_EQ(AiModeText(2), "");
    EXPECT_EQ(AiModeText(-1), "");
}

} // namespace doz::catalogue
