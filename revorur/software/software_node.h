#pragma once
// The record behind every node of the software tree, kept in the item's data; it goes with
// the item when the item is deleted.

#include <QMetaType>

#include <optional>

class QTreeWidgetItem;

namespace doz::software {

enum class SoftwareNodeKind { Root = 0, Category = 1, Product = 2 };

struct SoftwareNodeRecord {
    SoftwareNodeKind kind = SoftwareNodeKind::Root;
    int category = -1; // -1 for the root
    int code = -1;     // product code; -1 for the root and the categories
};

void setSoftwareRecord(QTreeWidgetItem* item, const SoftwareNodeRecord& record);
// Nullopt for an item without a record (or no item).
std::optional<SoftwareNodeRecord> softwareRecord(const QTreeWidgetItem* item);

} // namespace doz::software

Q_DECLARE_METATYPE(doz::software::SoftwareNodeRecord)
