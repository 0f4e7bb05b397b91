#include "dedozovaz/pci_access.h"

#include "dedozovaz/simulated_bus.h"

#include <cstdlib>

namespace dedozovaz {

std::unique_ptr<PciAccess> openPciAccess() {
    const char* simulated = std::getenv(SimulatedBusVariable);
    if (simulated != nullptr && *simulated != '\0')
        return openSimulatedBus(simulated);
    return openPlatformAccess();
}

} // namespace dedozovaz
