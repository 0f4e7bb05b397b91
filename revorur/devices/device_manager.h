#pragma once
// The device manager: fills the All, Installed and Alias trees, handles their selections and
// runs the device functions (test panel, configuration, calibration) and the alias commands.
// It plugs into the main window through the form's hooks and function actions.

namespace doz::shell {
class TForm1;
}

namespace doz::devices {

class DeviceManager {
public:
    explicit DeviceManager(shell::TForm1& form);
    DeviceManager(const DeviceManager&) = delete;
    DeviceManager& operator=(const DeviceManager&) = delete;

private:
    shell::TForm1& form_;
};

} // namespace doz::devices
