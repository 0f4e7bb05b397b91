// The three device functions: test panel, configuration and calibration.

#include "revorur/devices/device_manager.h"

#include "common/platform/launcher.h"
#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/panel_openers.h"
#include "revorur/devices/subtype_dialogs.h"
#include "revorur/shell/main_form.h"
#include "revorur/shell/notebook.h"

#include <QTreeWidget>

namespace doz::devices {
namespace {

// The S720-group panel opens at its own default position.
constexpr int UnplacedGroupHead = 470;

void open(PanelOpener opener, const PanelRequest& request) {
    if (opener)
        opener(request);
}

} // namespace

QTreeWidgetItem* DeviceManager::actingNode() const {
    const bool aliasView = shell::CurrentNotebookPage(form_.Notebook_DeviceTree) == "Page_DeviceAlias";
    QTreeWidgetItem* item =
        (aliasView ? form_.TreeView_DeviceAlias : form_.TreeView_InstalledDevice)->currentItem();
    if (!item)
        return nullptr;
    const NodeRecord record = RecordOf(item);
    // The Alias tree also lists cards that are only remembered by their alias.
    if (aliasView && record.kind == CardNode &&
        !engine_.IsCardInstalled(form_.DeviceEntryCount, record.typeCode, record.cardNumber))
        return nullptr;
    return item;
}

void DeviceManager::BitBtn_DevTestPanelClick() {
    const QTreeWidgetItem* item = actingNode();
    if (!item)
        return;
    const NodeRecord record = RecordOf(item);
    PanelRequest request{
        &form_, record.typeCode, record.cardNumber, record.driverCardType, item->text(0) + " Test Panel",
        true};

    if (record.kind == VirtualDeviceNode) {
        request.typeCode = catalogue::VirtualDeviceType;
        open(OpenerOfPanel(catalogue::PanelKind::VirtualDevice), request);
        return;
    }
    if (record.kind != CardNode)
        return;
    const catalogue::CardType* type = catalogue::FindCardType(record.typeCode);
    if (!type || type->panel == catalogue::PanelKind::None)
        return;
    if (type->subTypeGroup != 0) {
        request.typeCode = ChooseSubType(&form_, type->subTypeGroup, true);
        if (request.typeCode == 0)
            return;
        request.placed = type->subTypeGroup != UnplacedGroupHead;
    } else {
        request.typeCode = catalogue::CapabilityCodeOfType(record.typeCode);
    }
    open(OpenerOfPanel(type->panel), request);
}

void DeviceManager::BitBtn_DevConfigurationClick() {
    // A missing configuration tool is not reported.
    platform::launcher().start({"Deradiz.exe", {}});
}

void DeviceManager::BitBtn_DevCalibrationClick() {
    const QTreeWidgetItem* item = actingNode();
    if (!item)
        return;
    const NodeRecord record = RecordOf(item);
    if (record.kind != CardNode || !catalogue::HasCalibration(record.typeCode))
        return;
    open(CalibrationOpener(), {&form_, record.typeCode, record.cardNumber, record.driverCardType,
                               item->text(0) + " Calibration", true});
}

} // namespace doz::devices
