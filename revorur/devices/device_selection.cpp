#include "revorur/devices/device_selection.h"

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/categories.h"

namespace doz::devices {
namespace {

constexpr int AnyKind = -1;

enum class Description { OfType, Empty, DragHint, VirtualDevice };
enum class Page { Enable, Disable, Unchanged, EnableForCalibration };
enum class Category { Any, Listed, Uncategorized };

struct SelectionRow {
    DeviceTree tree;
    int kind;
    Category category;
    Description description;
    Page functions;
    Page calibration;
};

// The first row that matches a node decides.
constexpr SelectionRow selectionRows[] = {
    {DeviceTree::All, CardNode, Category::Any, Description::OfType, Page::Disable, Page::Unchanged},
    {DeviceTree::All, AnyKind, Category::Any, Description::Empty, Page::Disable, Page::Unchanged},
    {DeviceTree::Installed, CardNode, Category::Listed, Description::OfType, Page::Enable,
     Page::EnableForCalibration},
    {DeviceTree::Installed, CardNode, Category::Uncategorized, Description::Empty, Page::Disable,
     Page::Disable},
    {DeviceTree::Installed, VirtualDeviceNode, Category::Any, Description::DragHint, Page::Enable,
     Page::Disable},
    {DeviceTree::Installed, AnyKind, Category::Any, Description::DragHint, Page::Disable, Page::Disable},
    {DeviceTree::Alias, CardNode, Category::Any, Description::OfType, Page::Disable, Page::Disable},
    {DeviceTree::Alias, VirtualDeviceNode, Category::Any, Description::VirtualDevice, Page::Disable,
     Page::Disable},
    {DeviceTree::Alias, AnyKind, Category::Any, Description::DragHint, Page::Disable, Page::Disable},
};

bool isUncategorized(const NodeRecord& record) {
    return record.category == catalogue::UncategorizedCategory;
}

bool matches(const SelectionRow& row, DeviceTree tree, const NodeRecord& record) {
    if (row.tree != tree || (row.kind != AnyKind && row.kind != record.kind))
        return false;
    switch (row.category) {
    case Category::Any:
        return true;
    case Category::Listed:
        return !isUncategorized(record);
    case Category::Uncategorized:
        return isUncategorized(record);
    }
    return false;
}

QString descriptionOf(Description description, const NodeRecord& record) {
    switch (description) {
    case Description::OfType: {
        if (isUncategorized(record))
            return {};
        const auto text = catalogue::DescriptionOfType(record.typeCode);
        return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
    }
    case Description::Empty:
        return {};
    case Description::DragHint:
        return QStringLiteral("Drag the selected device item to subfunction button to launch");
    case Description::VirtualDevice:
        return QStringLiteral("Virtual Device");
    }
    return {};
}

std::optional<bool> pageOf(Page page, const NodeRecord& record) {
    switch (page) {
    case Page::Enable:
        return true;
    case Page::Disable:
        return false;
    case Page::Unchanged:
        return std::nullopt;
    case Page::EnableForCalibration:
        return catalogue::HasCalibration(record.typeCode);
    }
    return false;
}

} // namespace

SelectionView SelectionViewOf(DeviceTree tree, const NodeRecord& record) {
    for (const auto& row : selectionRows)
        if (matches(row, tree, record))
            return {descriptionOf(row.description, record), pageOf(row.functions, record).value_or(false),
                    pageOf(row.calibration, record)};
    return {};
}

} // namespace doz::devices
