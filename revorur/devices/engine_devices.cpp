#include "revorur/devices/engine_devices.h"

#include "common/platform/number_text.h"
#include "maker/engine/radezuvi_engine.h"
#include "revorur/devices/catalogue/card_types.h"
#include "revorur/devices/catalogue/categories.h"

#include <limits>

namespace doz::devices {

const EngineDeviceApi& RadezuviEngineDevices() {
    static const EngineDeviceApi api{
        GetZizevDeviceInfoStringFN,
        GetTaskDeviceListFN,
        GetInstalledCardIDFN,
        GetDeviceIndexFromNameFN,
        GetAllDeviceTypeFromDeviceIndexFN,
        GetDeviceIndexFromAllDeviceTypeIDFN,
    };
    return api;
}

int EngineDevices::EntryCount() const {
    char buffer[10] = {};
    api_.DeviceInfoString(0, 0, 0, -1, buffer, sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    const long count = platform::leadingInteger(buffer);
    return count > 0 ? static_cast<int>(count) : 0;
}

DeviceEntry EngineDevices::Entry(int entry) const {
    int32_t count = 0;
    const char* name = api_.TaskDeviceList(-1, entry, &count);
    if (!name || !*name)
        return {};
    return {name, count};
}

std::optional<std::int16_t> EngineDevices::InstalledCardNumber(int entry, int card) const {
    const int32_t number = api_.InstalledCardId(entry, card);
    if (number < 0 || number > std::numeric_limits<std::int16_t>::max())
        return std::nullopt;
    return static_cast<std::int16_t>(number);
}

int EngineDevices::TypeCodeOfDevice(const std::string& name) const {
    const int32_t entry = api_.DeviceIndexFromName(name.c_str(), 1);
    if (entry < 0)
        return 0;
    const int32_t code = api_.AllDeviceTypeFromDeviceIndex(entry);
    return code > 0 ? code : 0;
}

std::optional<int> EngineDevices::EntryOfTypeCode(int typeCode) const {
    const int32_t entry = api_.DeviceIndexFromAllDeviceTypeId(typeCode);
    if (entry < 0)
        return std::nullopt;
    return entry;
}

bool EngineDevices::IsCardInstalled(int entryCount, int typeCode, int cardNumber) const {
    for (int j = 0; j < entryCount; ++j) {
        const DeviceEntry e = Entry(j);
        if (e.name.empty() || e.cardCount < 1 || TypeCodeOfDevice(e.name) != typeCode)
            continue;
        for (int i = 0; i < e.cardCount; ++i)
            if (InstalledCardNumber(j, i) == cardNumber)
                return true;
    }
    return false;
}

bool IsVirtualDeviceName(const std::string& name, int typeCode) {
    return typeCode == catalogue::VirtualDeviceType || catalogue::ModelText(name) == "Virt";
}

} // namespace doz::devices
