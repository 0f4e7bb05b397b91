#pragma once
// The record behind every node of the three device trees, kept in the item's RecordRole.

#include <QMetaType>
#include <QTreeWidgetItem>

#include <cstdint>

namespace doz::devices {

enum NodeKind { RootNode = 0, CategoryNode = 1, CardNode = 2, VirtualDeviceNode = 3, AliasInfoNode = 4 };

struct NodeRecord {
    int kind = RootNode;
    int category = 0;
    int typeCode = 0;
    std::int16_t cardNumber = -1;
    std::uint16_t driverCardType = 0; // card type as the E400 driver library counts it
};

inline constexpr int RecordRole = Qt::UserRole + 2;

// The record of an item; a default (root) record for an item without one or for nullptr.
NodeRecord RecordOf(const QTreeWidgetItem* item);
void SetRecord(QTreeWidgetItem* item, const NodeRecord& record);

} // namespace doz::devices

Q_DECLARE_METATYPE(doz::devices::NodeRecord)
