#include "revorur/devices/device_manager.h"

#include "revorur/devices/engine_device_count.h"
#include "revorur/shell/main_form.h"

namespace doz::devices {

DeviceManager::DeviceManager(shell::TForm1& form) : form_(form) {
    form_.hooks.deviceEntryCount = EngineDeviceEntryCount;
}

} // namespace doz::devices
