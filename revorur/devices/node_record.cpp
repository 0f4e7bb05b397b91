#include "revorur/devices/node_record.h"

namespace doz::devices {

NodeRecord RecordOf(const QTreeWidgetItem* item) {
    if (!item)
        return {};
    const QVariant v = item->data(0, RecordRole);
    return v.canConvert<NodeRecord>() ? v.value<NodeRecord>() : NodeRecord{};
}

void SetRecord(QTreeWidgetItem* item, const NodeRecord& record) {
    item->setData(0, RecordRole, QVariant::fromValue(record));
}

} // namespace doz::devices
