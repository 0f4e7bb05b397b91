#include "device_entry_count.h"

#include "common/platform/number_text.h"
#include "maker/engine/radezuvi_engine.h"

namespace doz::shell {

int EngineDeviceEntryCount() {
    char buffer[10] = {};
    GetZizevDeviceInfoStringFN(0, 0, 0, -1, buffer, sizeof buffer);
    buffer[sizeof buffer - 1] = '\0';
    return static_cast<int>(platform::leadingInteger(buffer));
}

} // namespace doz::shell
