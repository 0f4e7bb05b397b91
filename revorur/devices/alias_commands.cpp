// The Alias tree's pop-up menu and its Add, Edit and Delete commands.

#include "revorur/devices/alias_dialogs.h"
#include "revorur/devices/alias_menu.h"
#include "revorur/devices/device_manager.h"
#include "revorur/shell/main_form.h"

#include <QAction>
#include <QMenu>
#include <QTreeWidget>

namespace doz::devices {
namespace {

bool carriesCard(const NodeRecord& record) {
    return record.kind == CardNode || record.kind == VirtualDeviceNode || record.kind == AliasInfoNode;
}

void enable(QMenu* menu, const char* name, bool enabled) {
    if (QAction* action = menu->findChild<QAction*>(QLatin1String(name)))
        action->setEnabled(enabled);
}

} // namespace

void DeviceManager::TreeView_DeviceAliasMouseDown(QTreeWidgetItem* item, const QPoint& at) {
    if (!item || !aliases_.loaded())
        return;
    const NodeRecord record = RecordOf(item);
    const bool installed =
        record.kind != CardNode ||
        engine_.IsCardInstalled(form_.DeviceEntryCount, record.typeCode, record.cardNumber);
    const AliasMenuItems items = AliasMenuOf(record.kind, item->childCount() > 0, installed);
    if (!items.shown)
        return;
    enable(form_.PopupMenu_DeviceAlias, "PopupAlias_Add", items.add);
    enable(form_.PopupMenu_DeviceAlias, "PopupAlias_Edit", items.edit);
    enable(form_.PopupMenu_DeviceAlias, "PopupAlias_Delete", items.remove);
    form_.showPopup(form_.PopupMenu_DeviceAlias, at);
}

void DeviceManager::runAliasDialog(bool edit) {
    const QTreeWidgetItem* item = form_.TreeView_DeviceAlias->currentItem();
    if (!item || !aliases_.loaded())
        return;
    const NodeRecord record = RecordOf(item);
    if (carriesCard(record))
        RunAliasDialog(&form_, aliases_, edit ? AliasCommand::Edit : AliasCommand::Add, item->text(0),
                       form_.AliasIniPath, record.typeCode, record.cardNumber);
    rebuildAliasTree();
}

void DeviceManager::Menu_AddAliasClick() {
    runAliasDialog(false);
}

void DeviceManager::Menu_EditAliasClick() {
    runAliasDialog(true);
}

void DeviceManager::Menu_DeleteAliasClick() {
    const QTreeWidgetItem* item = form_.TreeView_DeviceAlias->currentItem();
    if (!item || !aliases_.loaded())
        return;
    const NodeRecord record = RecordOf(item);
    if (carriesCard(record))
        DeleteCardAlias(aliases_, form_.AliasIniPath, record.typeCode, record.cardNumber);
    rebuildAliasTree();
}

void DeviceManager::rebuildAliasTree() {
    BuildAliasTree();
    form_.TreeView_DeviceAlias->expandAll();
    // The node the panel showed may be gone; show the new selection (the root).
    TreeView_DeviceAliasChange();
}

} // namespace doz::devices
