#pragma once
// Card categories: the grouping of the device trees, and the model-number lookup behind it.

#include <string>
#include <string_view>

namespace doz::catalogue {

inline constexpr int CategoryCount = 9;
inline constexpr int UncategorizedCategory = 8;

// Name of category 0 to 8; empty for any other index.
std::string_view CategoryName(int category);

// Picture of a category node in the device trees: category + 1, except the last category.
int CategoryImageIndex(int category);

// The model number of an engine device name such as "PCI-M610": the four characters after the
// first "-", or the name's first four characters when it holds no "-".
std::string ModelText(std::string_view deviceName);

// Category of a model number (whole-text match); every unlisted text is uncategorized.
int CategoryOfModel(std::string_view modelText);

} // namespace doz::catalogue
