#include "revorur/devices/alias_tree.h"

#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/categories.h"
#include "revorur/devices/catalogue/subtype_groups.h"
#include "revorur/devices/device_trees.h"
#include "revorur/shell/main_form.h"

#include <QTreeWidget>

#include <limits>
#include <set>
#include <utility>

namespace doz::devices {
namespace {

QString labeled(const char* label, const std::string& value) {
    return QStringLiteral("%1: %2").arg(QLatin1String(label), QString::fromStdString(value));
}

NodeRecord infoRecordOf(NodeRecord record) {
    record.kind = AliasInfoNode;
    return record;
}

class AliasTreeBuilder {
public:
    AliasTreeBuilder(shell::TForm1& form, const EngineDevices& engine, const AliasApi& api,
                     const TreeFrame& frame)
        : form_(form), engine_(engine), api_(api), store_(form.AliasIniPath), frame_(frame) {}

    void build() {
        if (api_.loaded())
            addVirtualDeviceAlias();
        addInstalledCards();
        if (api_.loaded())
            addCardsKnownOnlyByAlias();
    }

private:
    void addVirtualDeviceAlias() {
        const auto alias = AliasOf(api_, store_, catalogue::VirtualDeviceType, 0);
        if (alias)
            AddDeviceNode(form_, frame_.virtualDevice, labeled("Alias", *alias),
                          infoRecordOf(RecordOf(frame_.virtualDevice)), PictureAlias);
    }

    void addInstalledCards() {
        for (int j = 0; j < form_.DeviceEntryCount; ++j) {
            const DeviceEntry entry = engine_.Entry(j);
            if (entry.name.empty() || entry.cardCount < 1)
                continue;
            const int typeCode = engine_.TypeCodeOfDevice(entry.name);
            if (typeCode <= catalogue::VirtualDeviceType || IsVirtualDeviceName(entry.name, typeCode))
                continue;
            for (int i = 0; i < entry.cardCount; ++i) {
                const auto number = engine_.InstalledCardNumber(j, i);
                if (number)
                    addCard(entry.name, CardRecord(entry.name, typeCode, *number), PictureInstalled);
            }
        }
    }

    void addCardsKnownOnlyByAlias() {
        for (const std::string& alias : AllAliases(api_, store_)) {
            const auto device = DeviceOfAlias(api_, store_, alias);
            if (!device || device->cardNumber < 0 ||
                device->cardNumber > std::numeric_limits<std::int16_t>::max())
                continue;
            const int head = catalogue::GroupHeadOf(device->typeCode);
            if (head <= catalogue::VirtualDeviceType ||
                engine_.IsCardInstalled(form_.DeviceEntryCount, head, device->cardNumber))
                continue;
            const auto number = static_cast<std::int16_t>(device->cardNumber);
            const auto entryIndex = engine_.EntryOfTypeCode(head);
            const DeviceEntry entry = entryIndex ? engine_.Entry(*entryIndex) : DeviceEntry{};
            if (entry.name.empty()) {
                // A card the engine does not know still shows, so its alias can be deleted.
                NodeRecord record = CardRecord("", head, number);
                record.category = catalogue::UncategorizedCategory;
                addCard("Unknown Device " + std::to_string(head), record, PictureAbsent);
            } else {
                addCard(entry.name, CardRecord(entry.name, head, number),
                        entry.cardCount >= 1 ? PictureInstalled : PictureAbsent);
            }
        }
    }

    void addCard(const std::string& name, const NodeRecord& record, int picture) {
        if (!cards_.insert({record.typeCode, record.cardNumber}).second)
            return; // one node per card, however many aliases name it
        QTreeWidgetItem* card =
            AddDeviceNode(form_, frame_.categories[static_cast<std::size_t>(record.category)],
                          CardNodeText(name, record.cardNumber), record, picture);
        if (api_.loaded())
            addAliasNodes(card, record);
    }

    void addAliasNodes(QTreeWidgetItem* card, const NodeRecord& record) {
        const auto found = FindCardAlias(api_, store_, record.typeCode, record.cardNumber);
        if (!found)
            return;
        AddDeviceNode(form_, card, labeled("Alias", found->alias), infoRecordOf(record), PictureAlias);
        const std::string_view subType = catalogue::AliasTreeLabelOf(found->code);
        if (catalogue::SubTypeGroupOf(record.typeCode) && !subType.empty())
            AddDeviceNode(form_, card, labeled("Sub Type", std::string(subType)), infoRecordOf(record),
                          PictureAlias);
    }

    shell::TForm1& form_;
    const EngineDevices& engine_;
    const AliasApi& api_;
    const std::string store_;
    const TreeFrame& frame_;
    std::set<std::pair<int, int>> cards_;
};

} // namespace

void BuildAliasTree(shell::TForm1& form, const EngineDevices& engine, const AliasApi& api) {
    BuildDeviceTree(form, form.TreeView_DeviceAlias, QStringLiteral("Device Manager(Alias)"),
                    [&](const TreeFrame& frame) { AliasTreeBuilder(form, engine, api, frame).build(); });
}

} // namespace doz::devices
