#include "viruveza/generators/device_setup.h"

#include <algorithm>
#include <iterator>

namespace doz::generators {

DeviceSetup InitialDeviceSetup() {
    DeviceSetup record{};
    record.cardType = NoCardChosen;
    std::fill(std::begin(record.aiChannels), std::end(record.aiChannels), InitialAiChannel);
    std::fill(std::begin(record.aoChannels), std::end(record.aoChannels), InitialAoChannel);
    return record;
}

} // namespace doz::generators
