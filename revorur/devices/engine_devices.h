#pragma once
// The task engine's device list as the device manager reads it: the device entries, the cards
// installed of each, and the type code of a device name. The calls go through a table of the
// engine's functions, so tests can stand in a machine the engine itself never reports.

#include <cstdint>
#include <optional>
#include <string>

namespace doz::devices {

struct EngineDeviceApi {
    int32_t (*DeviceInfoString)(int32_t, int32_t, int32_t, int32_t, char*, int32_t);
    const char* (*TaskDeviceList)(int32_t, int32_t, int32_t*);
    int32_t (*InstalledCardId)(int32_t, int32_t);
    int32_t (*DeviceIndexFromName)(const char*, int32_t);
    int32_t (*AllDeviceTypeFromDeviceIndex)(int32_t);
    int32_t (*DeviceIndexFromAllDeviceTypeId)(int32_t);
};

// The engine library's own functions.
const EngineDeviceApi& RadezuviEngineDevices();

// One entry of the engine's device list; the name is empty for a vacant entry.
struct DeviceEntry {
    std::string name;
    int cardCount = 0;
};

class EngineDevices {
public:
    explicit EngineDevices(const EngineDeviceApi& api = RadezuviEngineDevices()) : api_(api) {}

    // The number of device entries, read as the engine hands it out: a decimal text of at most
    // ten characters.
    int EntryCount() const;
    DeviceEntry Entry(int entry) const;
    // Card number of installed card `card` of an entry; nullopt for a number that no card
    // can have (negative or beyond 16 bits), so it never makes a node.
    std::optional<std::int16_t> InstalledCardNumber(int entry, int card) const;
    // The catalogue type code of a device name; 0 when the engine does not know the name.
    int TypeCodeOfDevice(const std::string& name) const;
    // The entry of the device with a type code; nullopt when the engine has none.
    std::optional<int> EntryOfTypeCode(int typeCode) const;
    // True when some named entry with installed cards has the type code and one of its cards
    // the card number.
    bool IsCardInstalled(int entryCount, int typeCode, int cardNumber) const;

private:
    const EngineDeviceApi& api_;
};

// The virtual device is one of the engine's installed entries; it has a node of its own.
bool IsVirtualDeviceName(const std::string& name, int typeCode);

} // namespace doz::devices
