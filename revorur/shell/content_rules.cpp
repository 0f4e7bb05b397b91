#include "content_rules.h"

#include "revorur/devices/catalogue/categories.h"

#include <filesystem>

namespace doz::shell {
namespace {

struct CategoryPage {
    std::string_view category;
    std::string_view page;
};

// Category nodes of the All tree show a page of a representative model.
constexpr CategoryPage allTreeCategoryPages[] = {
    {"Analog Output Modules", "A120.mht"},
    {"Digital I/O Modules", "D210.mht"},
    {"Digitizer Modules", "S710.mht"},
    {"Multifunction Modules", "E430.mht"},
    {"Simultaneous Modules", "E410.mht"},
    {"Timer/Counter Modules", "T310.mht"},
    {"GPIB Modules", "G810.mht"},
    {"Switch Modules", "R910.mht"},
    // Uncategorized cards have no family page; the guide lists them all.
    {"Uncategorized Modules", SelectionGuidePage},
};

bool isCategoryName(std::string_view text) {
    for (int c = 0; c < catalogue::CategoryCount; ++c)
        if (catalogue::CategoryName(c) == text)
            return true;
    return false;
}

} // namespace

std::string ModelPage(std::string_view nodeText) {
    return catalogue::ModelText(nodeText) + ".mht";
}

std::string AllDevicePage(std::string_view nodeText) {
    if (nodeText == "Device Manager(All)")
        return std::string(SelectionGuidePage);
    if (nodeText == "Virtual Device")
        return std::string(VirtualDevicePage);
    for (const auto& row : allTreeCategoryPages)
        if (row.category == nodeText)
            return std::string(row.page);
    return ModelPage(nodeText);
}

std::string InstalledDevicePage(std::string_view nodeText) {
    if (nodeText == "Device Manager(Installed)" || isCategoryName(nodeText))
        return std::string(SelectionGuidePage);
    if (nodeText == "Virtual Device")
        return std::string(VirtualDevicePage);
    return ModelPage(nodeText);
}

std::string AliasDevicePage(const AliasNode& node) {
    switch (node.kind) {
    case 0:
        return std::string(SelectionGuidePage);
    case 1:
        return node.text == catalogue::CategoryName(catalogue::UncategorizedCategory)
                   ? std::string()
                   : std::string(SelectionGuidePage);
    case 2:
        return ModelPage(node.text);
    case 3:
        return std::string(VirtualDevicePage);
    case 4:
        return node.parentKind == 3 ? std::string(SelectionGuidePage) : ModelPage(node.parentText);
    default:
        return std::string(SelectionGuidePage);
    }
}

std::string ContentPath(std::string_view programFolder, std::string_view page) {
    if (page.empty())
        return {};
    return (std::filesystem::path(programFolder) / "Content" / page).string();
}

} // namespace doz::shell
