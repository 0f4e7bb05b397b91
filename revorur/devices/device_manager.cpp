#include "revorur/devices/device_manager.h"

#include "revorur/devices/alias_tree.h"
#include "revorur/devices/device_trees.h"
#include "revorur/shell/main_form.h"

#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>

namespace doz::devices {
namespace {

constexpr const char* managerActions[] = {"BitBtn_DevTestPanel",   "BitBtn_DevConfiguration",
                                          "BitBtn_DevCalibration", "PopupAlias_Add",
                                          "PopupAlias_Edit",       "PopupAlias_Delete"};

} // namespace

DeviceManager::DeviceManager(shell::TForm1& form, const AliasApi& aliases, const EngineDeviceApi& engine)
    : form_(form), aliases_(aliases), engine_(engine) {
    form_.hooks.deviceEntryCount = [this] { return engine_.EntryCount(); };
    form_.hooks.buildAllDeviceTree = [this](shell::TForm1&) { BuildAllDeviceTree(); };
    form_.hooks.buildAliasTree = [this](shell::TForm1&) { BuildAliasTree(); };
    form_.hooks.buildInstalledDeviceTree = [this](shell::TForm1&) { BuildInstalledDeviceTree(); };
    form_.hooks.aliasTreeMenu = [this](QTreeWidgetItem* item, const QPoint& at) {
        TreeView_DeviceAliasMouseDown(item, at);
    };

    form_.SetFunctionAction("BitBtn_DevTestPanel", [this] { BitBtn_DevTestPanelClick(); });
    form_.SetFunctionAction("BitBtn_DevConfiguration", [this] { BitBtn_DevConfigurationClick(); });
    form_.SetFunctionAction("BitBtn_DevCalibration", [this] { BitBtn_DevCalibrationClick(); });
    form_.SetFunctionAction("PopupAlias_Add", [this] { Menu_AddAliasClick(); });
    form_.SetFunctionAction("PopupAlias_Edit", [this] { Menu_EditAliasClick(); });
    form_.SetFunctionAction("PopupAlias_Delete", [this] { Menu_DeleteAliasClick(); });

    const auto onChange = [this](QTreeWidget* tree, void (DeviceManager::*handler)()) {
        connections_.push_back(QObject::connect(tree, &QTreeWidget::currentItemChanged, &form_,
                                                [this, handler] { (this->*handler)(); }));
    };
    onChange(form_.TreeView_AllDevice, &DeviceManager::TreeView_AllDeviceChange);
    onChange(form_.TreeView_InstalledDevice, &DeviceManager::TreeView_InstalledDeviceChange);
    onChange(form_.TreeView_DeviceAlias, &DeviceManager::TreeView_DeviceAliasChange);
}

DeviceManager::~DeviceManager() {
    for (const auto& c : connections_)
        QObject::disconnect(c);
    form_.hooks.deviceEntryCount = nullptr;
    form_.hooks.buildAllDeviceTree = nullptr;
    form_.hooks.buildAliasTree = nullptr;
    form_.hooks.buildInstalledDeviceTree = nullptr;
    form_.hooks.aliasTreeMenu = nullptr;
    for (const char* name : managerActions)
        form_.SetFunctionAction(name, nullptr);
}

void DeviceManager::BuildAllDeviceTree() {
    devices::BuildAllDeviceTree(form_, engine_);
}

void DeviceManager::BuildInstalledDeviceTree() {
    devices::BuildInstalledDeviceTree(form_, engine_);
}

void DeviceManager::BuildAliasTree() {
    devices::BuildAliasTree(form_, engine_, aliases_);
    // Without the alias library there is nothing to show or change in the Alias view.
    if (!aliases_.loaded())
        form_.BitBtn_DeviceAlias->setEnabled(false);
}

void DeviceManager::showSelection(DeviceTree tree, const QTreeWidgetItem* item) {
    const NodeRecord record = RecordOf(item);
    const SelectionView view = SelectionViewOf(tree, record);
    form_.Edit_DevProduct->setText(item->text(0));
    form_.Edit_DevDescription->setText(view.description);
    form_.SetSwitchPage(shell::SwitchNotebook::DeviceFunction, view.functionsEnabled);
    if (view.calibrationEnabled)
        form_.SetSwitchPage(shell::SwitchNotebook::DevCalibration, *view.calibrationEnabled);
}

void DeviceManager::TreeView_AllDeviceChange() {
    const QTreeWidgetItem* item = form_.TreeView_AllDevice->currentItem();
    if (!item)
        return;
    form_.NavigateAllDevicePane();
    showSelection(DeviceTree::All, item);
}

void DeviceManager::TreeView_InstalledDeviceChange() {
    const QTreeWidgetItem* item = form_.TreeView_InstalledDevice->currentItem();
    if (!item)
        return;
    form_.NavigateInstalledDevicePane();
    showSelection(DeviceTree::Installed, item);
}

void DeviceManager::TreeView_DeviceAliasChange() {
    const QTreeWidgetItem* item = form_.TreeView_DeviceAlias->currentItem();
    if (!item)
        return;
    const int parentKind = item->parent() ? RecordOf(item->parent()).kind : RootNode;
    form_.NavigateAliasDevicePane(RecordOf(item).kind, parentKind);
    showSelection(DeviceTree::Alias, item);
}

} // namespace doz::devices
