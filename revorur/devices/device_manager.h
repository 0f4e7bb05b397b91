#pragma once
// The device manager: fills the All, Installed and Alias trees, handles their selections and
// runs the device functions (test panel, configuration, calibration) and the alias commands.
// It plugs into the main window through the form's hooks and function actions.

#include "revorur/devices/alias_api.h"
#include "revorur/devices/device_selection.h"
#include "revorur/devices/engine_devices.h"

#include <QMetaObject>

#include <vector>

class QPoint;
class QTreeWidget;
class QTreeWidgetItem;

namespace doz::shell {
class TForm1;
}

namespace doz::devices {

class DeviceManager {
public:
    // `aliases` and `engine` are the libraries the manager reads; tests stand in their own.
    explicit DeviceManager(shell::TForm1& form, const AliasApi& aliases = LoadedAliasApi(),
                           const EngineDeviceApi& engine = RadezuviEngineDevices());
    ~DeviceManager();
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

    void BuildAllDeviceTree();
    void BuildInstalledDeviceTree();
    void BuildAliasTree();

    void TreeView_AllDeviceChange();
    void TreeView_InstalledDeviceChange();
    void TreeView_DeviceAliasChange();

    void BitBtn_DevTestPanelClick();
    void BitBtn_DevConfigurationClick();
    void BitBtn_DevCalibrationClick();

    void TreeView_DeviceAliasMouseDown(QTreeWidgetItem* item, const QPoint& at);
    void Menu_AddAliasClick();
    void Menu_EditAliasClick();
    void Menu_DeleteAliasClick();

private:
    void showSelection(DeviceTree tree, const QTreeWidgetItem* item);
    // The node the test panel and calibration act on: the Alias tree's selection while the
    // Alias view shows, else the Installed tree's; nullptr when that node is a card that is
    // not installed.
    QTreeWidgetItem* actingNode() const;
    void runAliasDialog(bool edit);
    void rebuildAliasTree();

    shell::TForm1& form_;
    const AliasApi& aliases_;
    EngineDevices engine_;
    std::vector<QMetaObject::Connection> connections_;
};

} // namespace doz::devices
