// Simulated PCI buses: any text gives a bus (malformed lines skipped), and a scan of that bus
// fills at most the table it is given.

#include "dedozovaz/scan.h"
#include "dedozovaz/simulated_bus.h"

#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const dedozovaz::SimBusDescription bus = dedozovaz::parseSimulatedBus(in);
    dedozovaz::SimulatedBus access(bus.devices);
    const auto cards = dedozovaz::scanBus(access);
    if (cards.size() > dedozovaz::MaxFoundCards || cards.size() > bus.devices.size())
        std::abort();
    for (std::size_t i = 0; i < cards.size(); ++i)
        if (cards[i].sequence != i + 1)
            std::abort();
    return 0;
}
