// The shape of the product table: categories, codes, names and the products with samples.

#include "revorur/software/product_table.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace doz::software {
namespace {

TEST(ProductTable, TwentyOneRowsNumberedWithinTheirCategories) {
    const auto rows = productTable();
    ASSERT_EQ(rows.size(), 21u);
    const std::array<int, kCategoryCount> perCategory = {5, 3, 4, 5, 4};
    std::array<int, kCategoryCount> seen{};
    int previousCategory = 0;
    std::set<std::string> names;
    for (const ProductRow& row : rows) {
        ASSERT_GE(row.category, previousCategory) << "rows are grouped by category: " << row.name;
        ASSERT_LT(row.category, kCategoryCount);
        previousCategory = row.category;
        EXPECT_EQ(row.code, row.category * 256 + seen[static_cast<std::size_t>(row.category)]) << row.name;
        ++seen[static_cast<std::size_t>(row.category)];
        EXPECT_FALSE(row.name.empty());
        EXPECT_LE(row.name.size(), 31u) << row.name;
        EXPECT_EQ(row.name.find('\\'), std::string_view::npos) << "a name is one registry key: " << row.name;
        EXPECT_FALSE(row.description.empty()) << row.name;
        EXPECT_TRUE(names.insert(std::string(row.name)).second) << "duplicate " << row.name;
        EXPECT_EQ(findProduct(row.code), &row);
    }
    EXPECT_EQ(seen, perCategory);
    EXPECT_EQ(findProduct(5), nullptr);
    EXPECT_EQ(findProduct(-1), nullptr);
}

TEST(ProductTable, CategoriesAndTheApplicationsTheProgramsStart) {
    EXPECT_EQ(categoryName(0), "Windows Driver");
    EXPECT_EQ(categoryName(1), "Linux Driver");
    EXPECT_EQ(categoryName(2), "ActiveX Control");
    EXPECT_EQ(categoryName(3), "Third-party Software");
    EXPECT_EQ(categoryName(4), "Applications");
    EXPECT_EQ(categoryName(5), "");

    std::set<std::string_view> applications;
    for (const ProductRow& row : productTable())
        if (row.category == 4)
            applications.insert(row.name);
    for (const char* name : {"Ruzidavidez", "Diruzori", "Radezuvi"})
        EXPECT_EQ(applications.count(name), 1u) << name;
}

TEST(ProductTable, SampleFoldersBelongToWindowsDriversControlsAndThirdPartyPackages) {
    const std::set<int> withSamples = {0, 1, 2, 4, 512, 513, 514, 515, 768, 769, 770, 771, 772};
    for (const ProductRow& row : productTable())
        EXPECT_EQ(hasSampleFolder(row.code), withSamples.count(row.code) == 1) << row.code;
    EXPECT_FALSE(hasSampleFolder(3));
    EXPECT_FALSE(hasSampleFolder(256));
    EXPECT_FALSE(hasSampleFolder(1024));
}

} // namespace
} // namespace doz::software
