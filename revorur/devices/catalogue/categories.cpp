#include "categories.h"

#include <array>

namespace doz::catalogue {
namespace {

constexpr std::array<std::string_view, CategoryCount> categoryNames = {
    "Analog Output Modules", "Digital I/O Modules",   "Digitizer Modules",
    "GPIB Modules",          "Multifunction Modules", "Simultaneous Modules",
    "Switch Modules",        "Timer/Counter Modules", "Uncategorized Modules",
};

struct ModelCategory {
    std::string_view model;
    int category;
};

// Models not listed here (D236, G810, R910 ... among them) fall into the last category.
constexpr ModelCategory modelCategories[] = {
    {"A110", 0}, {"A120", 0}, {"A125", 0}, {"A130", 0},

    {"D210", 1}, {"D215", 1}, {"D220", 1}, {"D223", 1}, {"D224", 1}, {"D230", 1}, {"D231", 1}, {"D235", 1},
    {"D237", 1}, {"D240", 1}, {"D242", 1}, {"D245", 1}, {"D250", 1}, {"D260", 1}, {"D265", 1}, {"D267", 1},
    {"D270", 1}, {"D280", 1}, {"D281", 1}, {"D282", 1}, {"D290", 1}, {"D291", 1}, {"D292", 1}, {"D295", 1},

    {"S710", 2}, {"S720", 2}, {"S722", 2}, {"S730", 2}, {"S735", 2}, {"S740", 2},

    {"E430", 4}, {"E435", 4}, {"E440", 4}, {"E445", 4}, {"E450", 4}, {"E455", 4}, {"E460", 4}, {"E465", 4},
    {"M610", 4}, {"M620", 4}, {"M630", 4}, {"M640", 4}, {"M650", 4}, {"M660", 4}, {"M670", 4}, {"M672", 4},
    {"M674", 4}, {"M680", 4},

    {"E410", 5}, {"E415", 5}, {"E420", 5}, {"E425", 5},

    {"T310", 7},
};

} // namespace

std::string_view CategoryName(int category) {
    if (category < 0 || category >= CategoryCount)
        return {};
    return categoryNames[static_cast<std::size_t>(category)];
}

int CategoryImageIndex(int category) {
    return category == UncategorizedCategory ? 11 : category + 1;
}

std::string ModelText(std::string_view deviceName) {
    const auto dash = deviceName.find('-');
    const auto start = dash == std::string_view::npos ? 0 : dash + 1;
    return std::string(deviceName.substr(start, 4));
}

int CategoryOfModel(std::string_view modelText) {
    for (const auto& row : modelCategories)
        if (row.model == modelText)
            return row.category;
    return UncategorizedCategory;
}

} // namespace doz::catalogue
