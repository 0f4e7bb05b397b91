// The library's two exports.
#include "dedozovaz/dedozovaz.h"

#include "dedozovaz/device_record.h"
#include "dedozovaz/pci_access.h"
#include "dedozovaz/scan.h"

using namespace dedozovaz;

extern "C" DEDOZOVAZ_API uint16_t VIZFindDev(int32_t /*reserved*/, VIZDevRecord* records) {
    if (records == nullptr)
        return VIZ_MAX_DEVICES;
    // No exception may cross into a C caller; a scan that cannot run found nothing.
    try {
        const std::unique_ptr<PciAccess> bus = openPciAccess();
        if (!bus)
            return 0;
        const std::vector<FoundCard> cards = scanBus(*bus);
        writeRecords(cards, records);
        return static_cast<uint16_t>(cards.size());
    } catch (...) {
        return 0;
    }
}

extern "C" DEDOZOVAZ_API int32_t fnDEDOzovaz(void) {
    return 42;
}
