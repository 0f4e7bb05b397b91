#pragma once
// What selecting a node of a device tree shows in the device page of the function panel: the
// node's text, a description, and whether the device functions and calibration are on.

#include "revorur/devices/node_record.h"

#include <QString>

#include <optional>

namespace doz::devices {

enum class DeviceTree { All, Installed, Alias };

struct SelectionView {
    QString description;
    bool functionsEnabled = false;
    std::optional<bool> calibrationEnabled; // nullopt: calibration stays as it was
};

SelectionView SelectionViewOf(DeviceTree tree, const NodeRecord& record);

} // namespace doz::devices
