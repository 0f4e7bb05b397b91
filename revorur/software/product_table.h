#pragma once
// The maker's software products as the software manager lists them: five categories and a
// fixed table of 21 rows, each row's code being its category times 256 plus its position.

#include <span>
#include <string_view>

namespace doz::software {

inline constexpr int kCategoryCount = 5;

struct ProductRow {
    int category;          // 0 to 4
    int code;              // category * 256 + position within the category
    std::string_view name; // shown in the tree; also the product's registry key name (31 at most)
    std::string_view description;
};

// "Windows Driver", "Linux Driver", "ActiveX Control", "Third-party Software", "Applications".
std::string_view categoryName(int category);

std::span<const ProductRow> productTable();
const ProductRow* findProduct(int code);

// Products that install a sample folder: the Windows drivers except the kernel runtime, the
// ActiveX controls and the third-party packages.
bool hasSampleFolder(int code);

} // namespace doz::software
