// How many channels, ports, lines or counters a card offers to an operation.
#pragma once

#include "device_table.h"
#include "operation_table.h"

namespace radezuvi {

// 0 when the card cannot perform the operation at all.
int channelLimit(const DeviceCaps& caps, const OperationInfo& operation);

} // namespace radezuvi
