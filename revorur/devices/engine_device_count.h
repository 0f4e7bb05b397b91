#pragma once

namespace doz::devices {

// The number of device entries the task engine reports, read as the engine hands it out: a
// decimal text of at most ten characters.
int EngineDeviceEntryCount();

} // namespace doz::devices
