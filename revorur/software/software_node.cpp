#include "revorur/software/software_node.h"

#include "revorur/shell/tree_nodes.h"

#include <QTreeWidgetItem>

namespace doz::software {
namespace {
constexpr int kRecordRole = shell::PictureRole + 1;
}

void setSoftwareRecord(QTreeWidgetItem* item, const SoftwareNodeRecord& record) {
    item->setData(0, kRecordRole, QVariant::fromValue(record));
}

std::optional<SoftwareNodeRecord> softwareRecord(const QTreeWidgetItem* item) {
    if (!item)
        return std::nullopt;
    const QVariant data = item->data(0, kRecordRole);
    if (!data.canConvert<SoftwareNodeRecord>())
        return std::nullopt;
    return data.value<SoftwareNodeRecord>();
}

} // namespace doz::software
