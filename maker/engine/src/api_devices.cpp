// C functions: the device list, installed cards and the machine profile.
#include "api_support.h"
#include "device_table.h"

#include <string>

using namespace radezuvi;

namespace {

bool validEntry(int32_t entry) {
    return entry >= 0 && entry < static_cast<int32_t>(deviceTable().size());
}

} // namespace

extern "C" {

int32_t GetZizevDeviceInfoStringFN(int32_t, int32_t, int32_t, int32_t index, char* buffer, int32_t size) {
    if (index < -1 || (index >= 0 && !validEntry(index))) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return guardedCode([&] {
        return copyText(index == -1 ? std::to_string(deviceTable().size())
                                    : std::string(deviceTable()[index].name),
                        buffer, size);
    });
}

const char* GetTaskDeviceListFN(int32_t, int32_t entry, int32_t* cardCount) {
    if (!validEntry(entry)) {
        if (cardCount) {
            *cardCount = 0;
        }
        return nullptr;
    }
    if (cardCount) {
        *cardCount = guarded(
            [&] {
                const auto machine = Engine::instance().machine();
                return static_cast<int32_t>(machine->cardNumbers(entry).size());
            },
            int32_t{0});
    }
    // The table's names are string literals, so they end with a NUL.
    return deviceTable()[entry].name.data();
}

int32_t GetInstalledCardIDFN(int32_t entry, int32_t cardIndex) {
    if (!validEntry(entry)) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return guardedCode([&]() -> int32_t {
        const auto machine = Engine::instance().machine();
        const auto& numbers = machine->cardNumbers(entry);
        if (cardIndex < 0 || cardIndex >= static_cast<int32_t>(numbers.size())) {
            return RADEZUVI_ERR_ARGUMENT;
        }
        return numbers[static_cast<std::size_t>(cardIndex)];
    });
}

int32_t GetDeviceIndexFromNameFN(const char* name, int32_t) {
    return guardedCode([&] {
        const auto entry = name ? entryIndexOfName(name) : std::nullopt;
        return entry.value_or(RADEZUVI_ERR_ARGUMENT);
    });
}

int32_t GetAllDeviceTypeFromDeviceIndexFN(int32_t entry) {
    return validEntry(entry) ? deviceTable()[entry].headCode() : RADEZUVI_ERR_ARGUMENT;
}

int32_t GetDeviceIndexFromAllDeviceTypeIDFN(int32_t typeCode) {
    return guardedCode([&] { return entryIndexOfType(typeCode).value_or(RADEZUVI_ERR_ARGUMENT); });
}

int32_t Radezuvi_UseMachineProfile(const char* path) {
    if (!path) {
        return RADEZUVI_ERR_ARGUMENT;
    }
    return guardedCode([&] { return Engine::instance().useProfile(path); });
}

} // extern "C"
