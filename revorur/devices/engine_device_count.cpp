#include "revorur/devices/engine_device_count.h"

#include "common/platform/number_text.h"
#include "maker/engine/radezuvi_engine.h"

namespace doz::devices {

int EngineDeviceEntryCount() {
    char buffer[10] = {};
    GetZizevDeviceInfoStringFN(0, 0, 0, -1, buffer, sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    return static_cast<int>(platform::leadingInteger(buffer));
}

} // namespace doz::devices
