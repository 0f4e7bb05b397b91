#pragma once
// The frame every device tree shares (root, "Virtual Device", the nine categories), its nodes,
// and the builders of the All and Installed trees.

#include "revorur/devices/engine_devices.h"
#include "revorur/devices/node_record.h"

#include <QString>

#include <array>
#include <functional>

class QTreeWidget;
class QTreeWidgetItem;

namespace doz::shell {
class TForm1;
}

namespace doz::devices {

struct TreeFrame {
    QTreeWidgetItem* root = nullptr;
    QTreeWidgetItem* virtualDevice = nullptr;
    std::array<QTreeWidgetItem*, 9> categories{};
};

// Clears the tree, lays down the frame, lets `fill` add the cards, then collapses the tree to
// its first level and selects the root. A build never runs the tree's selection handler: the
// function panel keeps what it showed before.
void BuildDeviceTree(shell::TForm1& form, QTreeWidget* tree, const QString& rootText,
                     const std::function<void(const TreeFrame&)>& fill);

// A node with its record and picture.
QTreeWidgetItem* AddDeviceNode(shell::TForm1& form, QTreeWidgetItem* parent, const QString& text,
                               const NodeRecord& record, int picture);

// The record of a card node: its category from the device name, the type code, the card number
// and the driver library's card type.
NodeRecord CardRecord(const std::string& deviceName, int typeCode, std::int16_t cardNumber);

// "NAME: N", the text of a card node.
QString CardNodeText(const std::string& deviceName, int cardNumber);

inline constexpr int PictureInstalled = 9;
inline constexpr int PictureAbsent = 10;
inline constexpr int PictureVirtualDevice = 11;
inline constexpr int PictureAlias = 12;

void BuildAllDeviceTree(shell::TForm1& form, const EngineDevices& engine);
void BuildInstalledDeviceTree(shell::TForm1& form, const EngineDevices& engine);

} // namespace doz::devices
