#include "revorur/devices/device_trees.h"

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/categories.h"
#include "revorur/devices/catalogue/driver_card_types.h"
#include "revorur/shell/main_form.h"
#include "revorur/shell/tree_nodes.h"

#include <QSignalBlocker>
#include <QTreeWidget>

namespace doz::devices {

QTreeWidgetItem* AddDeviceNode(shell::TForm1& form, QTreeWidgetItem* parent, const QString& text,
                               const NodeRecord& record, int picture) {
    auto* item = new QTreeWidgetItem(parent, {text});
    SetRecord(item, record);
    shell::SetNodePicture(item, form.ImageList_Device, picture);
    return item;
}

NodeRecord CardRecord(const std::string& deviceName, int typeCode, std::int16_t cardNumber) {
    return {CardNode, catalogue::CategoryOfModel(catalogue::ModelText(deviceName)), typeCode, cardNumber,
            catalogue::DriverCardTypeOfType(typeCode)};
}

QString CardNodeText(const std::string& deviceName, int cardNumber) {
    return QStringLiteral("%1: %2").arg(QString::fromStdString(deviceName)).arg(cardNumber);
}

void BuildDeviceTree(shell::TForm1& form, QTreeWidget* tree, const QString& rootText,
                     const std::function<void(const TreeFrame&)>& fill) {
    const QSignalBlocker quiet(tree);
    tree->clear();

    TreeFrame frame;
    frame.root = new QTreeWidgetItem(tree, {rootText});
    SetRecord(frame.root, NodeRecord{RootNode, 0, 0, -1, 0});
    shell::SetNodePicture(frame.root, form.ImageList_Device, 0);
    frame.virtualDevice =
        AddDeviceNode(form, frame.root, QStringLiteral("Virtual Device"),
                      {VirtualDeviceNode, 0, catalogue::VirtualDeviceType, 0, 0}, PictureVirtualDevice);
    for (int c = 0; c < catalogue::CategoryCount; ++c) {
        const auto name = catalogue::CategoryName(c);
        frame.categories[static_cast<std::size_t>(c)] =
            AddDeviceNode(form, frame.root, QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                          {CategoryNode, c, 0, -1, 0}, catalogue::CategoryImageIndex(c));
    }

    fill(frame);

    form.CollapseToFirstLevel(tree);
    tree->setCurrentItem(frame.root);
}

namespace {

QTreeWidgetItem* categoryNodeOf(const TreeFrame& frame, const NodeRecord& record) {
    return frame.categories[static_cast<std::size_t>(record.category)];
}

} // namespace

void BuildAllDeviceTree(shell::TForm1& form, const EngineDevices& engine) {
    BuildDeviceTree(
        form, form.TreeView_AllDevice, QStringLiteral("Device Manager(All)"), [&](const TreeFrame& frame) {
            for (int j = 0; j < form.DeviceEntryCount; ++j) {
                const DeviceEntry entry = engine.Entry(j);
                if (entry.name.empty() || catalogue::ModelText(entry.name) == "Virt")
                    continue;
                const NodeRecord record = CardRecord(entry.name, engine.TypeCodeOfDevice(entry.name), -1);
                AddDeviceNode(form, categoryNodeOf(frame, record), QString::fromStdString(entry.name), record,
                              entry.cardCount >= 1 ? PictureInstalled : PictureAbsent);
            }
        });
}

void BuildInstalledDeviceTree(shell::TForm1& form, const EngineDevices& engine) {
    BuildDeviceTree(form, form.TreeView_InstalledDevice, QStringLiteral("Device Manager(Installed)"),
                    [&](const TreeFrame& frame) {
                        for (int j = 0; j < form.DeviceEntryCount; ++j) {
                            const DeviceEntry entry = engine.Entry(j);
                            if (entry.name.empty() || entry.cardCount <= 0)
                                continue;
                            const int typeCode = engine.TypeCodeOfDevice(entry.name);
                            if (IsVirtualDeviceName(entry.name, typeCode))
                                continue;
                            for (int i = 0; i < entry.cardCount; ++i) {
                                const auto number = engine.InstalledCardNumber(j, i);
                                if (!number)
                                    continue;
                                const NodeRecord record = CardRecord(entry.name, typeCode, *number);
                                AddDeviceNode(form, categoryNodeOf(frame, record),
                                              CardNodeText(entry.name, *number), record, PictureInstalled);
                            }
                        }
                    });
}

} // namespace doz::devices
